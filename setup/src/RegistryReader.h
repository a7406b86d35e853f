#pragma once
// Wide string reads from the registry as the Unicode registry reader does
// them: a missing value reads as empty, a value that is not a string raises
// "Invalid data type for '%s'".
#include <string>

#include "platform/CodePage.h"
#include "platform/Registry.h"

namespace setup {

// Opens `subkey` (a leading "\" is taken from the root) for reading.
plat::UniqueKey OpenKeyReadOnly(plat::Registry& reg, plat::CodePage& cp, plat::HKey root,
                                std::u16string_view subkey);
std::u16string ReadRegString(plat::Registry& reg, plat::HKey key, std::u16string_view name);

}  // namespace setup
