#pragma once
#include "platform/PrivateProfile.h"

namespace win {

// The system's own wide profile-string functions.
class Win32PrivateProfile : public plat::PrivateProfile {
 public:
  std::u16string GetString(std::u16string_view file, std::u16string_view section,
                           std::u16string_view key, std::u16string_view def,
                           std::size_t capacity) override;
  std::u16string GetKeyNames(std::u16string_view file, std::u16string_view section,
                             std::size_t capacity) override;
};

}  // namespace win
