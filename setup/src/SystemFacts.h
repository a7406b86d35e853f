#pragma once
// The Windows version name and the long form of a path.
#include <string>

#include "platform/SystemInfo.h"

namespace setup {

std::u16string WindowsVersionName(const plat::VersionInfo& v);
std::u16string GetWindowsVersionName(plat::SystemInfo& system);
// The long form of an existing path, or the path itself.
std::u16string GetLongPath(plat::SystemInfo& system, std::u16string_view path);

}  // namespace setup
