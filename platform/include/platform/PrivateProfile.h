#pragma once
// Private profile (INI) files by the wide profile-string functions.
#include <cstddef>
#include <string>
#include <string_view>

namespace plat {

class PrivateProfile {
 public:
  virtual ~PrivateProfile() = default;
  // Like GetPrivateProfileStringW with a key: the value (or `def` when the
  // key is missing), cut to `capacity - 1` characters.
  virtual std::u16string GetString(std::u16string_view file, std::u16string_view section,
                                   std::u16string_view key, std::u16string_view def,
                                   std::size_t capacity) = 0;
  // Like GetPrivateProfileStringW without a key: the section's key names,
  // each followed by a NUL, in a buffer of `capacity` characters (the
  // returned text excludes the final NUL of the list).
  virtual std::u16string GetKeyNames(std::u16string_view file, std::u16string_view section,
                                     std::size_t capacity) = 0;
};

}  // namespace plat
