#pragma once
// Module state of the library: its instance handle, its file name and the
// lock count that decides whether it may be unloaded.
#include <windows.h>

#include <string>

namespace vcom {

HINSTANCE ModuleInstance();
void SetModuleInstance(HINSTANCE h);

// Live objects and class-object locks.
void LockModule();
void UnlockModule();
long ModuleLockCount();

// The library's full path as the system reports it. Fails with the system
// error when the name cannot be determined, and with the insufficient-buffer
// error when the path fills the whole MAX_PATH buffer.
HRESULT ModuleFileName(std::wstring& path);

}  // namespace vcom
