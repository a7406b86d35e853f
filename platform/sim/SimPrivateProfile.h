#pragma once
// Private profile files read with the rules of the Windows profile-string
// functions, over the simulated file system: a file that begins with the
// UTF-16LE byte-order mark is UTF-16, any other is text in the system's
// ANSI code page; names compare without regard to letter case; keys and
// values are trimmed; a value in matching quotes loses them; a section's key
// list and its values are cut to the caller's buffer.
#include "SimCodePage.h"
#include "SimFileSystem.h"
#include "platform/PrivateProfile.h"

namespace sim {

class SimPrivateProfile : public plat::PrivateProfile {
 public:
  SimPrivateProfile(SimFileSystem& fs, SimCodePage& cp) : fs_(fs), cp_(cp) {}

  std::u16string GetString(std::u16string_view file, std::u16string_view section,
                           std::u16string_view key, std::u16string_view def,
                           std::size_t capacity) override;
  std::u16string GetKeyNames(std::u16string_view file, std::u16string_view section,
                             std::size_t capacity) override;

 private:
  SimFileSystem& fs_;
  SimCodePage& cp_;
};

}  // namespace sim
