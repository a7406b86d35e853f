#include "TypeLibRegistration.h"

#include <oleauto.h>

#include "ComPtr.h"

namespace vcom {
namespace {

HRESULT LoadModuleTypeLib(const std::wstring& modulePath, ComPtr<ITypeLib>& lib,
                          std::wstring& loadedFrom) {
  HRESULT hr = LoadTypeLibEx(modulePath.c_str(), REGKIND_NONE, lib.put());
  if (SUCCEEDED(hr)) {
    loadedFrom = modulePath;
    return hr;
  }
  std::wstring tlb = TlbPathFor(modulePath);
  hr = LoadTypeLibEx(tlb.c_str(), REGKIND_NONE, lib.put());
  if (SUCCEEDED(hr)) loadedFrom = tlb;
  return hr;
}

}  // namespace

std::wstring TlbPathFor(const std::wstring& modulePath) {
  std::size_t sep = modulePath.find_last_of(L"\\/");
  std::size_t dot = modulePath.find_last_of(L'.');
  if (dot == std::wstring::npos || (sep != std::wstring::npos && dot < sep)) {
    return modulePath + L".tlb";
  }
  return modulePath.substr(0, dot) + L".tlb";
}

HRESULT RegisterModuleTypeLib(const std::wstring& modulePath) {
  ComPtr<ITypeLib> lib;
  std::wstring path;
  HRESULT hr = LoadModuleTypeLib(modulePath, lib, path);
  if (FAILED(hr)) return hr;
  // The help directory: the path up to and including its last separator.
  std::size_t sep = path.find_last_of(L"\\/");
  std::wstring helpDir = sep == std::wstring::npos ? std::wstring() : path.substr(0, sep + 1);
  return RegisterTypeLib(lib.get(), const_cast<wchar_t*>(path.c_str()),
                         helpDir.empty() ? nullptr : const_cast<wchar_t*>(helpDir.c_str()));
}

HRESULT UnregisterModuleTypeLib(const std::wstring& modulePath) {
  ComPtr<ITypeLib> lib;
  std::wstring path;
  HRESULT hr = LoadModuleTypeLib(modulePath, lib, path);
  if (FAILED(hr)) return hr;
  TLIBATTR* attr = nullptr;
  hr = lib->GetLibAttr(&attr);
  if (FAILED(hr)) return hr;
  TLIBATTR a = *attr;
  lib->ReleaseTLibAttr(attr);
  return UnRegisterTypeLib(a.guid, a.wMajorVerNum, a.wMinorVerNum, a.lcid, a.syskind);
}

}  // namespace vcom
