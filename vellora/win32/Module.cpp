#include "Module.h"

#include <atomic>

namespace vcom {
namespace {
HINSTANCE g_instance = nullptr;
std::atomic<long> g_locks{0};
}  // namespace

HINSTANCE ModuleInstance() {
  return g_instance;
}
void SetModuleInstance(HINSTANCE h) {
  g_instance = h;
}

void LockModule() {
  ++g_locks;
}
void UnlockModule() {
  --g_locks;
}
long ModuleLockCount() {
  return g_locks.load();
}

HRESULT ModuleFileName(std::wstring& path) {
  wchar_t buf[MAX_PATH];
  DWORD n = GetModuleFileNameW(g_instance, buf, MAX_PATH);
  if (n == 0) {
    DWORD err = GetLastError();
    return err != 0 ? HRESULT_FROM_WIN32(err) : E_FAIL;
  }
  if (n >= MAX_PATH) return HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER);
  path.assign(buf, n);
  return S_OK;
}

}  // namespace vcom
