#pragma once
#include "platform/Dialogs.h"

namespace win {

class Win32Dialogs : public plat::Dialogs {
 public:
  std::int32_t ShowMessageBox(std::u16string_view text, std::u16string_view caption,
                              std::uint32_t flags) override;
  // Captioned with the program's name, as an application's error display is.
  void ShowErrorDisplay(std::u16string_view text) override;
};

}  // namespace win
