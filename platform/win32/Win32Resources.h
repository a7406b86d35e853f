#pragma once
#include "platform/Resources.h"

namespace win {

class Win32Resources : public plat::Resources {
 public:
  plat::HModule LoadResourceLibrary(std::u16string_view name) override;
  std::optional<std::string> RcData(plat::HModule module, std::u16string_view name) override;
  void FreeResourceLibrary(plat::HModule module) override;
};

}  // namespace win
