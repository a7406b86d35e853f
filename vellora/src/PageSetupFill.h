#pragma once
// Filling in the browser's page-setup dialog from the control's fields: the
// paper size and paper source combo boxes, the two orientation radio buttons
// and OK. The decisions are written against a small dialog driver so that
// they run without a window; the Win32 driver sends the real messages.
#include <cstdint>
#include <string>

namespace vellora {

// Control identifiers of the system's common page-setup dialog template.
inline constexpr int kIdOk = 1;              // IDOK
inline constexpr int kIdPortrait = 1056;     // rad1
inline constexpr int kIdLandscape = 1057;    // rad2
inline constexpr int kIdPaperSize = 1137;    // cmb2
inline constexpr int kIdPaperSource = 1138;  // cmb3

inline constexpr std::int32_t kPortrait = 1;
inline constexpr std::int32_t kLandscape = 2;

// The messages the fill-in sends, addressed by control identifier.
class PageSetupDialogDriver {
 public:
  virtual ~PageSetupDialogDriver() = default;
  // CB_SELECTSTRING from the first item with the given ANSI text.
  virtual void SelectComboText(int id, const std::string& text) = 0;
  // BM_GETCHECK != 0.
  virtual bool IsButtonChecked(int id) = 0;
  // BM_CLICK.
  virtual void ClickButton(int id) = 0;
};

// The orientation the control keeps after a fill-in: 1 and 2 stay, every
// other value becomes 0 ("leave the dialog's choice alone").
std::int32_t OrientationAfterFill(std::int32_t orientation);

// Selects the paper texts, sets the orientation buttons, presses OK and
// returns the orientation the control keeps afterwards.
//
// A radio button is clicked when its wanted state differs from its current
// check. The wanted states come from the orientation alone; each check is
// read just before its own decision, so a click on the portrait button that
// moves the selection is seen by the landscape decision. Clicking a button
// that is already set leaves it set, so orientations other than 1 and 2
// keep the dialog's choice.
//
// An empty paper text is not sent: it names no paper, and the dialog keeps
// its current choice, which is what a failed selection leaves as well.
std::int32_t FillPageSetup(PageSetupDialogDriver& dialog, const std::string& paperSize,
                           const std::string& paperSource, std::int32_t orientation);

}  // namespace vellora
