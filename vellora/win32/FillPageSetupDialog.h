#pragma once
// The fill-in routine of the hidden page setup: the control's paper size,
// paper source and orientation pushed into the browser's page-setup dialog,
// which is then confirmed with OK.
#include <windows.h>

#include "PrintCtlLogic.h"

namespace vcom {

// Fills `dialog` from the control's fields and presses OK; afterwards the
// control's orientation reads 1, 2 or 0 (see vellora::FillPageSetup).
void FillPageSetupDialog(vellora::PrintCtlLogic& control, HWND dialog);

}  // namespace vcom
