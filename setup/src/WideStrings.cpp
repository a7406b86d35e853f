#include "WideStrings.h"

#include "TextTable.h"

namespace setup {

std::vector<std::u16string> LoadWideLines(std::string_view bytes, plat::CodePage& cp) {
  std::u16string text = DecodeLanguageText(bytes, cp);
  std::vector<std::u16string> lines;
  std::u16string cur;
  bool open = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    if (c == u'\r' || c == u'\n') {
      lines.push_back(std::move(cur));
      cur.clear();
      open = false;
      if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    } else {
      cur.push_back(c);
      open = true;
    }
  }
  if (open) lines.push_back(std::move(cur));
  return lines;
}

}  // namespace setup
