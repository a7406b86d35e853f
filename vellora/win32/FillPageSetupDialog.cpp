#include "FillPageSetupDialog.h"

#include "PageSetupFill.h"

namespace vcom {
namespace {

// Drives the dialog's controls by identifier with ANSI messages; a control
// the dialog does not have (a message box raised by the dialog has only OK)
// is passed over.
class Win32PageSetupDialog final : public vellora::PageSetupDialogDriver {
 public:
  explicit Win32PageSetupDialog(HWND dialog) : dialog_(dialog) {}

  void SelectComboText(int id, const std::string& text) override {
    if (HWND item = GetDlgItem(dialog_, id)) {
      SendMessageA(item, CB_SELECTSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
  }
  bool IsButtonChecked(int id) override {
    HWND item = GetDlgItem(dialog_, id);
    return item != nullptr && SendMessageA(item, BM_GETCHECK, 0, 0) != 0;
  }
  void ClickButton(int id) override {
    if (HWND item = GetDlgItem(dialog_, id)) SendMessageA(item, BM_CLICK, 0, 0);
  }

 private:
  HWND dialog_;
};

}  // namespace

void FillPageSetupDialog(vellora::PrintCtlLogic& control, HWND dialog) {
  Win32PageSetupDialog driver(dialog);
  control.setOrientationField(vellora::FillPageSetup(
      driver, control.paperSizeText(), control.paperSourceText(), control.orientationField()));
}

}  // namespace vcom
