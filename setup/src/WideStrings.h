#pragma once
// A text file's lines as the Unicode string list reads them: a UTF-16 (LE or
// BE) or UTF-8 byte-order mark selects that encoding, any other file is ANSI
// text; lines end with CR, LF or CR LF.
#include <string>
#include <string_view>
#include <vector>

#include "platform/CodePage.h"

namespace setup {

std::vector<std::u16string> LoadWideLines(std::string_view bytes, plat::CodePage& cp);

}  // namespace setup
