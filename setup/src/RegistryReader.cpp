#include "RegistryReader.h"

#include "Errors.h"

namespace setup {

plat::UniqueKey OpenKeyReadOnly(plat::Registry& reg, plat::CodePage& cp, plat::HKey root,
                                std::u16string_view subkey) {
  while (subkey.starts_with(u'\\')) subkey.remove_prefix(1);
  plat::UniqueKey key;
  auto ansi = cp.FromUtf16(cp.ThreadAnsiCodePage(), subkey);
  if (!ansi) return key;
  plat::UniqueKey::Open(reg, root, *ansi, plat::Access::Read, key);
  return key;
}

std::u16string ReadRegString(plat::Registry& reg, plat::HKey key, std::u16string_view name) {
  std::uint32_t type = 0;
  std::u16string data;
  long rc = reg.QueryValueW(key, name, type, data);
  if (rc != plat::kErrSuccess) return {};
  if (type != plat::kRegSz && type != plat::kRegExpandSz)
    throw PlatformError(u"Invalid data type for '" + std::u16string(name) + u"'");
  return data;
}

}  // namespace setup
