#pragma once
// Conversion between the UTF-16 strings of the control's interface and the
// 8-bit text (thread's ANSI code page) that the object and the store hold.
#include <optional>
#include <string>
#include <string_view>

#include "platform/CodePage.h"

namespace vellora {

// For puts: a null string, or one the code page cannot take, counts as
// empty; characters the code page lacks become its default character.
std::string ToAnsi(plat::CodePage& cp, const std::optional<std::u16string>& text);

// For gets: nullopt (a null string) when the bytes do not convert.
std::optional<std::u16string> FromAnsi(plat::CodePage& cp, std::string_view text);

}  // namespace vellora
