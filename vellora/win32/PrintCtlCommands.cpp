// The bodies of Print and Preview: the hidden page setup and the browser's
// print commands with the library's print template.
#include "PrintCommands.h"
#include "PrintCtl.h"

namespace vcom {

void PrintCtl::RunPreview() {
  RunPreviewCommand(clientSite_.get(), hostBrowser_.get(), logic_);
}

void PrintCtl::RunPrint(bool noPrompt) {
  RunPrintCommand(clientSite_.get(), hostBrowser_.get(), logic_, noPrompt);
}

}  // namespace vcom
