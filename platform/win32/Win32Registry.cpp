#include "Win32Registry.h"

#include <windows.h>

#include <vector>

namespace win {
namespace {
HKEY H(plat::HKey k) {
  return reinterpret_cast<HKEY>(k);
}
REGSAM Sam(plat::Access a) {
  switch (a) {
    case plat::Access::Read: return KEY_READ;
    case plat::Access::Write: return KEY_WRITE;
    default: return KEY_ALL_ACCESS;
  }
}
std::string Z(std::string_view s) {
  return std::string(s);
}
}  // namespace

long Win32Registry::OpenKey(plat::HKey parent, std::string_view subkey, plat::Access access,
                            plat::HKey& out) {
  HKEY k = nullptr;
  long rc = RegOpenKeyExA(H(parent), Z(subkey).c_str(), 0, Sam(access), &k);
  out = rc == ERROR_SUCCESS ? reinterpret_cast<plat::HKey>(k) : 0;
  return rc;
}

long Win32Registry::CreateKey(plat::HKey parent, std::string_view subkey, plat::HKey& out) {
  HKEY k = nullptr;
  long rc = RegCreateKeyExA(H(parent), Z(subkey).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_READ | KEY_WRITE, nullptr, &k, nullptr);
  out = rc == ERROR_SUCCESS ? reinterpret_cast<plat::HKey>(k) : 0;
  return rc;
}

long Win32Registry::CloseKey(plat::HKey key) {
  return RegCloseKey(H(key));
}

long Win32Registry::QueryValue(plat::HKey key, std::string_view name, std::uint32_t& type,
                               std::string& data, std::size_t capacity, std::size_t& needed) {
  std::vector<char> buf(capacity > 0 ? capacity : 1);
  DWORD t = 0;
  DWORD size = static_cast<DWORD>(capacity);
  long rc = RegQueryValueExA(H(key), Z(name).c_str(), nullptr, &t,
                             reinterpret_cast<BYTE*>(buf.data()), &size);
  type = t;
  needed = size;
  if (rc == ERROR_SUCCESS) data.assign(buf.data(), size);
  return rc;
}

long Win32Registry::SetValue(plat::HKey key, std::string_view name, std::uint32_t type,
                             std::string_view data) {
  return RegSetValueExA(H(key), Z(name).c_str(), 0, type,
                        reinterpret_cast<const BYTE*>(data.data()),
                        static_cast<DWORD>(data.size()));
}

long Win32Registry::QueryValueW(plat::HKey key, std::u16string_view name, std::uint32_t& type,
                                std::u16string& data) {
  std::wstring wname(name.begin(), name.end());
  DWORD t = 0, size = 0;
  long rc = RegQueryValueExW(H(key), wname.c_str(), nullptr, &t, nullptr, &size);
  if (rc != ERROR_SUCCESS) return rc;
  type = t;
  data.clear();
  if (t != REG_SZ && t != REG_EXPAND_SZ) return ERROR_SUCCESS;
  std::vector<wchar_t> buf(size / sizeof(wchar_t) + 1, L'\0');
  rc = RegQueryValueExW(H(key), wname.c_str(), nullptr, &t, reinterpret_cast<BYTE*>(buf.data()),
                        &size);
  if (rc != ERROR_SUCCESS) return rc;
  buf[size / sizeof(wchar_t)] = L'\0';
  const wchar_t* p = buf.data();
  data.assign(p, p + wcslen(p));
  return ERROR_SUCCESS;
}

long Win32Registry::DeleteValue(plat::HKey key, std::string_view name) {
  return RegDeleteValueA(H(key), Z(name).c_str());
}

long Win32Registry::DeleteKey(plat::HKey parent, std::string_view subkey) {
  return RegDeleteKeyA(H(parent), Z(subkey).c_str());
}

long Win32Registry::EnumKey(plat::HKey key, std::uint32_t index, std::string& name,
                            std::size_t capacity) {
  std::vector<char> buf(capacity > 0 ? capacity : 1, '\0');
  DWORD len = static_cast<DWORD>(buf.size());
  long rc = RegEnumKeyExA(H(key), index, buf.data(), &len, nullptr, nullptr, nullptr, nullptr);
  if (rc == ERROR_SUCCESS) name.assign(buf.data(), len);
  return rc;
}

}  // namespace win
