#include "PageSetupFill.h"

namespace vellora {

std::int32_t OrientationAfterFill(std::int32_t orientation) {
  return orientation == kPortrait || orientation == kLandscape ? orientation : 0;
}

std::int32_t FillPageSetup(PageSetupDialogDriver& dialog, const std::string& paperSize,
                           const std::string& paperSource, std::int32_t orientation) {
  if (!paperSize.empty()) dialog.SelectComboText(kIdPaperSize, paperSize);
  if (!paperSource.empty()) dialog.SelectComboText(kIdPaperSource, paperSource);

  const bool wantPortrait = orientation == kPortrait;
  const bool wantLandscape = orientation == kLandscape;
  if (wantPortrait != dialog.IsButtonChecked(kIdPortrait)) dialog.ClickButton(kIdPortrait);
  if (wantLandscape != dialog.IsButtonChecked(kIdLandscape)) dialog.ClickButton(kIdLandscape);

  dialog.ClickButton(kIdOk);
  return OrientationAfterFill(orientation);
}

}  // namespace vellora
