#include "Registrar.h"

#include <cwctype>
#include <string>

#include "UniqueHkey.h"

namespace vcom {
namespace {

HRESULT FromWin32(LONG rc) {
  return rc == ERROR_SUCCESS ? S_OK : HRESULT_FROM_WIN32(rc);
}

HKEY RootHandle(const std::wstring& name) {
  std::wstring n;
  for (wchar_t c : name) n += static_cast<wchar_t>(std::towupper(c));
  if (n == L"HKCR" || n == L"HKEY_CLASSES_ROOT") return HKEY_CLASSES_ROOT;
  if (n == L"HKCU" || n == L"HKEY_CURRENT_USER") return HKEY_CURRENT_USER;
  if (n == L"HKLM" || n == L"HKEY_LOCAL_MACHINE") return HKEY_LOCAL_MACHINE;
  return nullptr;
}

LONG SetText(HKEY key, const wchar_t* name, const std::wstring& text) {
  return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                        static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

// Deletes `name` under `parent` with all its subkeys. A missing key is fine.
LONG DeleteTree(HKEY parent, const std::wstring& name) {
  UniqueHkey key;
  LONG rc = RegOpenKeyExW(parent, name.c_str(), 0, KEY_READ | KEY_WRITE, key.put());
  if (rc == ERROR_FILE_NOT_FOUND) return ERROR_SUCCESS;
  if (rc != ERROR_SUCCESS) return rc;
  for (;;) {
    wchar_t sub[256];
    DWORD len = 256;
    rc = RegEnumKeyExW(key.get(), 0, sub, &len, nullptr, nullptr, nullptr, nullptr);
    if (rc == ERROR_NO_MORE_ITEMS) break;
    if (rc != ERROR_SUCCESS) return rc;
    rc = DeleteTree(key.get(), std::wstring(sub, len));
    if (rc != ERROR_SUCCESS) return rc;
  }
  key.reset();
  return RegDeleteKeyW(parent, name.c_str());
}

HRESULT Write(HKEY parent, const ScriptKey& k) {
  if (k.rule == KeyRule::Replaced) {
    if (LONG rc = DeleteTree(parent, k.name)) return FromWin32(rc);
  }
  UniqueHkey key;
  LONG rc = RegCreateKeyExW(parent, k.name.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_READ | KEY_WRITE, nullptr, key.put(), nullptr);
  if (rc != ERROR_SUCCESS) return FromWin32(rc);
  if (k.defaultText) {
    if ((rc = SetText(key.get(), nullptr, *k.defaultText))) return FromWin32(rc);
  }
  for (const auto& v : k.values) {
    if ((rc = SetText(key.get(), v.name.c_str(), v.text))) return FromWin32(rc);
  }
  for (const auto& sub : k.subkeys) {
    HRESULT hr = Write(key.get(), sub);
    if (FAILED(hr)) return hr;
  }
  return S_OK;
}

HRESULT Remove(HKEY parent, const ScriptKey& k) {
  UniqueHkey key;
  LONG rc = RegOpenKeyExW(parent, k.name.c_str(), 0, KEY_READ | KEY_WRITE, key.put());
  if (rc == ERROR_FILE_NOT_FOUND) return S_OK;  // nothing left to remove
  if (rc != ERROR_SUCCESS) return FromWin32(rc);
  for (const auto& sub : k.subkeys) {
    HRESULT hr = Remove(key.get(), sub);
    if (FAILED(hr)) return hr;
  }
  for (const auto& v : k.values) {
    rc = RegDeleteValueW(key.get(), v.name.c_str());
    if (rc != ERROR_SUCCESS && rc != ERROR_FILE_NOT_FOUND) return FromWin32(rc);
  }
  if (k.rule == KeyRule::NoRemove) return S_OK;
  // Subkeys the script does not name keep the key alive: that is a failure.
  wchar_t sub[256];
  DWORD len = 256;
  rc = RegEnumKeyExW(key.get(), 0, sub, &len, nullptr, nullptr, nullptr, nullptr);
  if (rc == ERROR_SUCCESS || rc == ERROR_MORE_DATA) return HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED);
  key.reset();
  return FromWin32(RegDeleteKeyW(parent, k.name.c_str()));
}

template <class Step>
HRESULT ForEachKey(const std::vector<ScriptRoot>& roots, Step step) {
  for (const auto& r : roots) {
    HKEY root = RootHandle(r.root);
    if (root == nullptr) return E_INVALIDARG;
    for (const auto& k : r.keys) {
      HRESULT hr = step(root, k);
      if (FAILED(hr)) return hr;
    }
  }
  return S_OK;
}

}  // namespace

HRESULT ApplyRegistration(const std::vector<ScriptRoot>& roots) {
  return ForEachKey(roots, Write);
}

HRESULT ApplyRemoval(const std::vector<ScriptRoot>& roots) {
  return ForEachKey(roots, Remove);
}

HRESULT RunRegistrationScript(HINSTANCE module, int id, const std::vector<Placeholder>& values,
                              bool install) {
  HRSRC res = FindResourceW(module, MAKEINTRESOURCEW(id), L"REGISTRY");
  if (res == nullptr) return HRESULT_FROM_WIN32(GetLastError());
  HGLOBAL data = LoadResource(module, res);
  DWORD size = SizeofResource(module, res);
  const char* bytes = data ? static_cast<const char*>(LockResource(data)) : nullptr;
  if (bytes == nullptr) return E_FAIL;
  // The script is ASCII text; widen it byte for byte.
  std::wstring script(bytes, bytes + size);
  std::wstring expanded, error;
  std::vector<ScriptRoot> roots;
  if (!ExpandPlaceholders(script, values, expanded, error) ||
      !ParseScript(expanded, roots, error)) {
    return DISP_E_EXCEPTION;
  }
  return install ? ApplyRegistration(roots) : ApplyRemoval(roots);
}

}  // namespace vcom
