#pragma once
// Profile-string port: the user's profile ("win.ini" on Windows), ANSI text.
#include <cstddef>
#include <string>
#include <string_view>

namespace plat {

class Profile {
 public:
  virtual ~Profile() = default;
  // Like GetProfileStringA: copies at most `capacity - 1` bytes of the value
  // (or of `def` when the key is missing) and returns what was copied.
  virtual std::string GetString(std::string_view section, std::string_view key,
                                std::string_view def, std::size_t capacity) = 0;
  virtual bool WriteString(std::string_view section, std::string_view key,
                           std::string_view value) = 0;
};

}  // namespace plat
