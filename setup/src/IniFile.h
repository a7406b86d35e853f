#pragma once
// Reader of an INI file through the wide profile-string functions, with the
// buffers the installer uses: values of up to 2047 characters and key lists
// of up to 32768 characters, terminators included.
#include <string>
#include <vector>

#include "platform/PrivateProfile.h"

namespace setup {

inline constexpr std::size_t kIniValueBuffer = 2048;
inline constexpr std::size_t kIniKeyListBuffer = 32768;

class IniFile {
 public:
  IniFile(plat::PrivateProfile& profile, std::u16string fileName)
      : profile_(profile), fileName_(std::move(fileName)) {}

  const std::u16string& FileName() const { return fileName_; }
  std::u16string ReadString(std::u16string_view section, std::u16string_view key,
                            std::u16string_view def) const;
  // The section's key names, in file order.
  std::vector<std::u16string> ReadSection(std::u16string_view section) const;
  // Raises the conversion error for text that is not a boolean.
  bool ReadBool(std::u16string_view section, std::u16string_view key,
                std::u16string_view def) const;
  // Counts the section's keys (n) and reads prefix + 0 to n - 1.
  std::vector<std::u16string> ReadNumbered(std::u16string_view section,
                                           std::u16string_view prefix) const;

 private:
  plat::PrivateProfile& profile_;
  std::u16string fileName_;
};

}  // namespace setup
