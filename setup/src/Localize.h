#pragma once
// Form localisation: each recognised control's caption and hint come from the
// language table by its Tag; flat buttons get their caption colour; flat
// combo boxes are widened for the screen resolution.
#include "FormModel.h"
#include "TextTable.h"
#include "platform/SystemInfo.h"

namespace setup {

inline constexpr Color kFlatButtonCaptionColor = 3878553;

// Width scaled from 96 pixels per inch to `dpi`, halves to the even neighbour.
int ScaleComboWidth(int width, int dpi);

// May raise the list-index or conversion error of a data-grid column.
void LocalizeForm(Form& form, TextTable& texts, plat::SystemInfo& system);

}  // namespace setup
