#pragma once
// The installer's one dialog, TSetupFrm, as a form model: every control with
// its class, position, tab order, colours and settings.
#include <memory>

#include "FormModel.h"

namespace setup {

// Client area of the dialog.
inline constexpr int kSetupClientWidth = 509;
inline constexpr int kSetupClientHeight = 291;
// Face and hot colour of the dialog's flat buttons (red 235, green 235, blue 236).
inline constexpr Color kSetupButtonFace = 15526891;

// Builds the dialog in its design-time state. Component order: Image1,
// LbProducts, GroupBox, LbPath, Button1, Button2, Button3, Panel1, Label2,
// Label3, Label6. Controls that take no focus have tab order -1.
std::unique_ptr<Form> BuildSetupForm();

}  // namespace setup
