#include "TemplateAddress.h"

namespace vellora {

std::string GetRegisteredModulePath(plat::Registry& registry) {
  plat::UniqueKey key;
  if (plat::UniqueKey::Open(registry, plat::kClassesRoot, kInprocServerKey, plat::Access::Read,
                            key) != plat::kErrSuccess) {
    return {};
  }
  std::uint32_t type = plat::kRegNone;
  std::string data;
  std::size_t needed = 0;
  if (registry.QueryValue(key.get(), "", type, data, kModulePathCapacity, needed) !=
      plat::kErrSuccess) {
    return {};
  }
  if (type != plat::kRegSz && type != plat::kRegExpandSz) return {};
  // The value may come without its terminator; take no more than was read,
  // and stop at the first NUL.
  if (data.size() > kModulePathCapacity) data.resize(kModulePathCapacity);
  if (auto nul = data.find('\0'); nul != std::string::npos) data.resize(nul);
  return data;
}

std::u16string TemplateAddressFor(std::string_view modulePath, plat::CodePage& codePage) {
  const std::uint32_t cp = codePage.ThreadAnsiCodePage();
  std::string address = "res://";
  address += modulePath;
  address += "/PT.HTM";
  if (auto wide = codePage.ToUtf16(cp, address)) return *wide;
  return u"res:///PT.HTM";
}

std::u16string RegisteredTemplateAddress(plat::Registry& registry, plat::CodePage& codePage) {
  return TemplateAddressFor(GetRegisteredModulePath(registry), codePage);
}

}  // namespace vellora
