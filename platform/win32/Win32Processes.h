#pragma once
#include "platform/Processes.h"

namespace win {

class Win32Processes : public plat::Processes {
 public:
  std::optional<std::uint32_t> StartAndWait(std::u16string_view commandLine,
                                            std::uint16_t show) override;
};

}  // namespace win
