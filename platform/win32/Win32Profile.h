#pragma once
#include "platform/Profile.h"

namespace win {

class Win32Profile : public plat::Profile {
 public:
  std::string GetString(std::string_view section, std::string_view key, std::string_view def,
                        std::size_t capacity) override;
  bool WriteString(std::string_view section, std::string_view key, std::string_view value) override;
};

}  // namespace win
