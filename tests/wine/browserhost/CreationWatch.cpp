#include "CreationWatch.h"

namespace host {
namespace {

constexpr ULONG_PTR kDialogClassAtom = 32770;
thread_local HostLog* t_log = nullptr;

LRESULT CALLBACK WatchProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && t_log != nullptr) {
    const HWND hwnd = reinterpret_cast<HWND>(wParam);
    const auto* cbt = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
    if (GetClassLongPtrW(hwnd, GCW_ATOM) == kDialogClassAtom && cbt && cbt->lpcs) {
      t_log->creations.push_back({cbt->lpcs->x, cbt->lpcs->cx});
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

CreationWatch::CreationWatch(HostLog& log) : previous_(t_log) {
  t_log = &log;
  hook_ = SetWindowsHookExW(WH_CBT, WatchProc, nullptr, GetCurrentThreadId());
}

CreationWatch::~CreationWatch() {
  if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
  t_log = previous_;
}

}  // namespace host
