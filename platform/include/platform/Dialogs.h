#pragma once
// Dialog port: message boxes and the application's error display.
#include <cstdint>
#include <string_view>

namespace plat {

inline constexpr std::uint32_t kMbOk = 0x0;
inline constexpr std::uint32_t kMbYesNo = 0x4;
inline constexpr std::uint32_t kMbIconError = 0x10;
inline constexpr std::uint32_t kMbIconInformation = 0x40;
inline constexpr std::int32_t kIdOk = 1;
inline constexpr std::int32_t kIdYes = 6;
inline constexpr std::int32_t kIdNo = 7;

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A Unicode message box owned by the calling thread's active window; waits
  // until it closes. Returns the pressed button, 0 when it cannot be shown.
  virtual std::int32_t ShowMessageBox(std::u16string_view text, std::u16string_view caption,
                                      std::uint32_t flags) = 0;
  // How the application shows an error that no handler caught: the error's
  // text in a message box with the error icon. Leaves no error record.
  virtual void ShowErrorDisplay(std::u16string_view text) = 0;
};

}  // namespace plat
