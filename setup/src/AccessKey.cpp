#include "AccessKey.h"

namespace setup {

ShownCaption StripAccessKeys(std::u16string_view caption) {
  ShownCaption out;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    char16_t c = caption[i];
    if (c == u'&') {
      if (i + 1 == caption.size()) break;  // a lone marker at the end shows nothing
      c = caption[++i];
      // The first single marker names the access key; "&&" is a plain "&".
      if (c != u'&' && out.underline < 0) out.underline = static_cast<int>(out.text.size());
    }
    out.text.push_back(c);
  }
  return out;
}

}  // namespace setup
