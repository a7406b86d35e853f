#pragma once
// The hidden page setup: the browser's own page-setup dialog run out of
// sight under a thread-local CBT hook that moves every dialog created on the
// thread off-screen and fills it in (and confirms it) when it is activated.
//
// The hook state is one set for the whole process. Only one run can be under
// way at a time: a run started while another is in progress (from another
// browser thread, or re-entered on the same thread from inside the modal
// dialog) is skipped and returns false, exactly as when the hook cannot be
// installed; the command that asked for it goes on with the browser's
// current page setup. Skipping rather than waiting keeps a browser thread
// from blocking on another thread's modal dialog.
#include <windows.h>
// windows.h first
#include <exdisp.h>

#include "PrintCtlLogic.h"

namespace vcom {

using PageSetupFillFn = void (*)(vellora::PrintCtlLogic& control, HWND dialog);

// Runs `commandId` (OLECMDID_PAGESETUP) on `browser` with the hook in
// place; true when `fill` ran at least once. False without a browser, when
// the hook cannot be installed, or while another run is under way.
bool RunHiddenPageSetup(IWebBrowser2* browser, OLECMDID commandId, vellora::PrintCtlLogic& control,
                        PageSetupFillFn fill);

// The CBT hook procedure.
LRESULT CALLBACK PageSetupHookProc(int code, WPARAM wParam, LPARAM lParam);

}  // namespace vcom
