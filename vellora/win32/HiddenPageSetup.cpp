#include "HiddenPageSetup.h"

#include <atomic>
#include <utility>

namespace vcom {
namespace {

// The class atom of dialog windows ("#32770").
constexpr ATOM kDialogClassAtom = 32770;

// Owns an installed hook and removes it on every path out of scope.
class UniqueHook {
 public:
  explicit UniqueHook(HHOOK h) : h_(h) {}
  UniqueHook(const UniqueHook&) = delete;
  UniqueHook& operator=(const UniqueHook&) = delete;
  ~UniqueHook() { reset(); }
  void reset() {
    if (HHOOK h = std::exchange(h_, nullptr)) UnhookWindowsHookEx(h);
  }
  HHOOK get() const { return h_; }

 private:
  HHOOK h_;
};

// The process-wide state of the run under way. Written only by the thread
// that holds `g_busy`, and read by the hook, which runs on that same thread.
struct HookState {
  HHOOK hook = nullptr;
  HWND remembered = nullptr;  // last dialog created under the hook
  bool handled = false;       // the fill-in ran at least once
  vellora::PrintCtlLogic* control = nullptr;
  PageSetupFillFn fill = nullptr;
};
HookState g_state;
std::atomic<bool> g_busy{false};

// Holds the one-run-at-a-time claim and leaves the state empty when the run
// ends, whatever path it takes.
class RunClaim {
 public:
  RunClaim() {
    bool expected = false;
    owned_ = g_busy.compare_exchange_strong(expected, true, std::memory_order_acquire);
  }
  RunClaim(const RunClaim&) = delete;
  RunClaim& operator=(const RunClaim&) = delete;
  ~RunClaim() {
    if (!owned_) return;
    g_state = HookState{};
    g_busy.store(false, std::memory_order_release);
  }
  explicit operator bool() const { return owned_; }

 private:
  bool owned_ = false;
};

bool IsDialogWindow(HWND hwnd, const CBT_CREATEWNDA* cbt) {
  if (GetClassLongPtrA(hwnd, GCW_ATOM) == kDialogClassAtom) return true;
  const LPCSTR cls = cbt->lpcs->lpszClass;
  return IS_INTRESOURCE(cls) && LOWORD(reinterpret_cast<ULONG_PTR>(cls)) == kDialogClassAtom;
}

}  // namespace

LRESULT CALLBACK PageSetupHookProc(int code, WPARAM wParam, LPARAM lParam) {
  const HWND hwnd = reinterpret_cast<HWND>(wParam);
  if (code == HCBT_CREATEWND) {
    auto* cbt = reinterpret_cast<CBT_CREATEWNDA*>(lParam);
    if (cbt != nullptr && cbt->lpcs != nullptr && IsDialogWindow(hwnd, cbt)) {
      g_state.remembered = hwnd;
      // The whole dialog lies left of the screen.
      cbt->lpcs->x = -2 * cbt->lpcs->cx;
    }
  } else if (code == HCBT_ACTIVATE) {
    if (hwnd != nullptr && hwnd == g_state.remembered) {
      g_state.remembered = nullptr;
      if (g_state.fill != nullptr && g_state.control != nullptr) {
        try {
          g_state.fill(*g_state.control, hwnd);
        } catch (...) {
          // Nothing may unwind into the system's hook dispatch; the dialog
          // then stays as it is and the browser's modal loop goes on.
        }
      }
      g_state.handled = true;
    }
  }
  return CallNextHookEx(g_state.hook, code, wParam, lParam);
}

bool RunHiddenPageSetup(IWebBrowser2* browser, OLECMDID commandId, vellora::PrintCtlLogic& control,
                        PageSetupFillFn fill) {
  if (browser == nullptr) return false;
  RunClaim claim;
  if (!claim) return false;

  g_state.control = &control;
  g_state.fill = fill;
  g_state.handled = false;
  g_state.remembered = nullptr;
  UniqueHook hook(SetWindowsHookExA(WH_CBT, PageSetupHookProc, nullptr, GetCurrentThreadId()));
  if (hook.get() == nullptr) return false;
  g_state.hook = hook.get();

  // Returns when the browser's modal page-setup dialog has closed.
  browser->ExecWB(commandId, OLECMDEXECOPT_DODEFAULT, nullptr, nullptr);

  hook.reset();
  return g_state.handled;
}

}  // namespace vcom
