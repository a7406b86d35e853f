#pragma once
// Text-to-number and text-to-boolean conversions with the platform's rules.
#include <cstdint>
#include <optional>
#include <string_view>

namespace setup {

// Leading blanks skipped, an optional sign, then "$", "x" or "0x" for
// hexadecimal or decimal digits; nothing may follow; 32-bit range.
std::optional<std::int32_t> TextToInt(std::u16string_view s);

// A number (true when not zero) or True/False in any letter case; any other
// text raises "'%s' is not a valid boolean value".
bool TextToBool(std::u16string_view s);

// Removes spaces and control characters from both ends.
std::u16string_view TrimBlanks(std::u16string_view s);

// Upper-cases ASCII letters.
std::u16string UpperAscii(std::u16string_view s);

}  // namespace setup
