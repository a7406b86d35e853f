#include "PageSetupDialog.h"

#include <string>

namespace host {
namespace {

constexpr int kIdPortrait = 1056, kIdLandscape = 1057, kIdPaper = 1137, kIdSource = 1138;
constexpr UINT_PTR kTimeoutTimer = 1;
constexpr UINT kTimeoutMs = 5000;

struct DialogRun {
  const DialogSetup* setup;
  DialogRecord record;
};

std::wstring SelectedText(HWND dialog, int id) {
  HWND combo = GetDlgItem(dialog, id);
  const LRESULT index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
  if (index == CB_ERR) return {};
  const LRESULT len = SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
  if (len == CB_ERR) return {};
  std::wstring text(static_cast<std::size_t>(len) + 1, L'\0');
  SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(len));
  return text;
}

void Fill(HWND dialog, int id, const auto& items) {
  for (const wchar_t* item : items) {
    SendDlgItemMessageW(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  }
  SendDlgItemMessageW(dialog, id, CB_SETCURSEL, 0, 0);
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* run = reinterpret_cast<DialogRun*>(GetWindowLongPtrW(dialog, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG: {
      run = reinterpret_cast<DialogRun*>(lParam);
      SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(run));
      Fill(dialog, kIdPaper, kPapers);
      Fill(dialog, kIdSource, kSources);
      CheckRadioButton(dialog, kIdPortrait, kIdLandscape,
                       run->setup->startLandscape ? kIdLandscape : kIdPortrait);
      SetTimer(dialog, kTimeoutTimer, kTimeoutMs, nullptr);
      if (run->setup->onInit) run->setup->onInit();
      return TRUE;
    }
    case WM_PAINT:
      if (run) run->record.painted = true;
      return FALSE;
    case WM_TIMER:
      if (run && wParam == kTimeoutTimer) {
        run->record.timedOut = true;
        EndDialog(dialog, IDCANCEL);
      }
      return TRUE;
    case WM_COMMAND:
      if (!run) return FALSE;
      if (LOWORD(wParam) == IDOK) {
        run->record.confirmed = true;
        run->record.paper = SelectedText(dialog, kIdPaper);
        run->record.source = SelectedText(dialog, kIdSource);
        run->record.portrait = IsDlgButtonChecked(dialog, kIdPortrait) == BST_CHECKED;
        run->record.landscape = IsDlgButtonChecked(dialog, kIdLandscape) == BST_CHECKED;
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    case WM_DESTROY: KillTimer(dialog, kTimeoutTimer); return FALSE;
    default: return FALSE;
  }
}

}  // namespace

DialogRecord RunPageSetupDialog(const DialogSetup& setup) {
  DialogRun run{&setup, {}};
  run.record.result = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kPageSetupDialog),
                                      nullptr, DialogProc, reinterpret_cast<LPARAM>(&run));
  return run.record;
}

}  // namespace host
