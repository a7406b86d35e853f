#pragma once
// Registry port over the real Win32 registry API.
#include "platform/Registry.h"

namespace win {

class Win32Registry : public plat::Registry {
 public:
  long OpenKey(plat::HKey parent, std::string_view subkey, plat::Access access,
               plat::HKey& out) override;
  long CreateKey(plat::HKey parent, std::string_view subkey, plat::HKey& out) override;
  long CloseKey(plat::HKey key) override;
  long QueryValue(plat::HKey key, std::string_view name, std::uint32_t& type, std::string& data,
                  std::size_t capacity, std::size_t& needed) override;
  long SetValue(plat::HKey key, std::string_view name, std::uint32_t type,
                std::string_view data) override;
  long QueryValueW(plat::HKey key, std::u16string_view name, std::uint32_t& type,
                   std::u16string& data) override;
  long DeleteValue(plat::HKey key, std::string_view name) override;
  long DeleteKey(plat::HKey parent, std::string_view subkey) override;
  long EnumKey(plat::HKey key, std::uint32_t index, std::string& name,
               std::size_t capacity) override;
};

}  // namespace win
