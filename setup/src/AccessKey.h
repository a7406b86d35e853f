#pragma once
// Captions with access-key markers: "&x" shows x underlined as the access
// key, "&&" shows one "&".
#include <string>
#include <string_view>

namespace setup {

struct ShownCaption {
  std::u16string text;  // the caption as shown, markers removed
  int underline = -1;   // index in text of the access key, or -1
};

ShownCaption StripAccessKeys(std::u16string_view caption);

}  // namespace setup
