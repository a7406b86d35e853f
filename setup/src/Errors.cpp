#include "Errors.h"

namespace setup {
namespace {

std::string Narrow(const std::u16string& s) {
  std::string out;
  for (char16_t c : s) out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
  return out;
}

}  // namespace

PlatformError::PlatformError(std::u16string text)
    : std::runtime_error(Narrow(text)), text_(std::move(text)) {}

std::u16string ErrorText(plat::CodePage& cp, const std::exception& e) {
  if (auto* pe = dynamic_cast<const PlatformError*>(&e)) return pe->Text();
  // Other errors carry UTF-8 text (the XML library's messages).
  auto text = cp.ToUtf16(plat::kCpUtf8, e.what());
  if (text) return *text;
  std::u16string out;
  for (const char* p = e.what(); *p != '\0'; ++p)
    out.push_back(static_cast<unsigned char>(*p) < 0x80 ? static_cast<char16_t>(*p) : u'?');
  return out;
}

void RunHandler(Ports& ports, const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    ports.dialogs.ShowErrorDisplay(ErrorText(ports.codePage, e));
  }
}

}  // namespace setup
