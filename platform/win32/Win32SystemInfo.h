#pragma once
#include "platform/SystemInfo.h"

namespace win {

class Win32SystemInfo : public plat::SystemInfo {
 public:
  plat::VersionInfo QueryVersion() override;
  std::u16string SystemDirectory() override;
  std::u16string TempDirectory() override;
  std::u16string ProgramPath() override;
  std::optional<std::uint32_t> LongPathName(std::u16string_view path, std::u16string& out,
                                            std::uint32_t capacity) override;
  int ScreenPixelsPerInchY() override;
};

}  // namespace win
