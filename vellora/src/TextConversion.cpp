#include "TextConversion.h"

namespace vellora {

std::string ToAnsi(plat::CodePage& cp, const std::optional<std::u16string>& text) {
  if (!text || text->empty()) return {};
  return cp.FromUtf16(cp.ThreadAnsiCodePage(), *text).value_or(std::string());
}

std::optional<std::u16string> FromAnsi(plat::CodePage& cp, std::string_view text) {
  if (text.empty()) return std::u16string();
  return cp.ToUtf16(cp.ThreadAnsiCodePage(), text);
}

}  // namespace vellora
