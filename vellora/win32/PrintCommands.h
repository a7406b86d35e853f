#pragma once
// The bodies of Preview and Print: the hidden page setup, then the hosting
// document's print-preview or print command with the library's own print
// template as its input.
//
// The way from the control to the command target is
//   client site -> container -> IServiceProvider -> browser (IWebBrowser)
//   -> document -> IHTMLDocument2 -> IOleCommandTarget.
// Where a link is missing (an unsited control, a site without container, a
// host that is not a browser, a document without a command target) the
// command ends quietly; every reference taken on the way is released.
#include <windows.h>
// windows.h first
#include <exdisp.h>
#include <ocidl.h>

#include "PrintCtlLogic.h"

namespace vcom {

// Print preview; the browser window takes the control's preview size while
// the command runs when both prevWidth and prevHeight are above 0.
void RunPreviewCommand(IOleClientSite* site, IWebBrowser2* hostBrowser,
                       vellora::PrintCtlLogic& control);

// Print; `noPrompt` (Print's bPrompt true) prints without the print dialog.
void RunPrintCommand(IOleClientSite* site, IWebBrowser2* hostBrowser,
                     vellora::PrintCtlLogic& control, bool noPrompt);

}  // namespace vcom
