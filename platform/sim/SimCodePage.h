#pragma once
// Simulated code pages for native tests, converted through iconv.
#include <cstdint>

#include "platform/CodePage.h"

namespace sim {

class SimCodePage : public plat::CodePage {
 public:
  explicit SimCodePage(std::uint32_t ansi = 1252) : ansi_(ansi) {}
  void SetThreadAnsiCodePage(std::uint32_t cp) { ansi_ = cp; }

  std::uint32_t ThreadAnsiCodePage() override { return ansi_; }
  std::optional<std::string> FromUtf16(std::uint32_t cp, std::u16string_view text) override;
  std::optional<std::u16string> ToUtf16(std::uint32_t cp, std::string_view text) override;
  bool IsLeadByte(std::uint32_t cp, unsigned char b) override;

 private:
  std::uint32_t ansi_;
};

}  // namespace sim
