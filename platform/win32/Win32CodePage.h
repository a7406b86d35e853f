#pragma once
#include "platform/CodePage.h"

namespace win {

class Win32CodePage : public plat::CodePage {
 public:
  std::uint32_t ThreadAnsiCodePage() override;
  std::optional<std::string> FromUtf16(std::uint32_t cp, std::u16string_view text) override;
  std::optional<std::u16string> ToUtf16(std::uint32_t cp, std::string_view text) override;
  bool IsLeadByte(std::uint32_t cp, unsigned char b) override;
};

}  // namespace win
