#pragma once
// Registration of the library's type library: loaded from the module's own
// TYPELIB resource, or from the ".tlb" file beside it when that fails.
#include <windows.h>

#include <string>

namespace vcom {

HRESULT RegisterModuleTypeLib(const std::wstring& modulePath);
HRESULT UnregisterModuleTypeLib(const std::wstring& modulePath);

// The ".tlb" file for a module path: the extension replaced, or appended
// when the file name has none.
std::wstring TlbPathFor(const std::wstring& modulePath);

}  // namespace vcom
