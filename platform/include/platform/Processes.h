#pragma once
// Process port: start a program by its command line and wait for its end.
#include <cstdint>
#include <optional>
#include <string_view>

namespace plat {

class Processes {
 public:
  virtual ~Processes() = default;
  // Creates a process from the command line alone (no application name), with
  // no inherited handles, a new console, normal priority and the caller's
  // current folder; `show` is the show command of its first window. Waits for
  // its end without a time limit and returns its exit code; nullopt when the
  // process cannot be created.
  virtual std::optional<std::uint32_t> StartAndWait(std::u16string_view commandLine,
                                                    std::uint16_t show) = 0;
};

inline constexpr std::uint16_t kSwHide = 0;
inline constexpr std::uint16_t kSwShow = 5;

}  // namespace plat
