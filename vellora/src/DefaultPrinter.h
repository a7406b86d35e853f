#pragma once
// The user's default printer: the "device" value of the profile section
// "windows", "name,driver,port". 8-bit text in the thread's ANSI code page.
#include <string>
#include <string_view>

#include "platform/CodePage.h"
#include "platform/Profile.h"

namespace vellora {

inline constexpr std::size_t kDeviceBuffer = 255;

// The printer name: the text before the first comma of the setting, found
// without mistaking the second byte of a double-byte character for a
// comma; empty when there is no setting or no comma.
std::string ReadDefaultPrinter(plat::Profile& profile, plat::CodePage& cp);

// Makes `name` the default printer: writes "name,winspool;".
void WriteDefaultPrinter(plat::Profile& profile, std::string_view name);

}  // namespace vellora
