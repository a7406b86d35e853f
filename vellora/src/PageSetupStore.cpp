#include "PageSetupStore.h"

#include <cstdint>

namespace vellora {
namespace {

using plat::UniqueKey;

std::string_view UpToNul(std::string_view s) {
  return s.substr(0, s.find('\0'));
}

// Deletes every subkey of `key`, depth first. Walks the subkeys by index:
// a deleted one frees its index for the next, one that stays (it cannot be
// opened or deleted, or its name is too long to hold) is stepped over, so
// the walk ends when enumeration runs out.
void RemoveSubkeys(plat::Registry& reg, plat::HKey key) {
  std::uint32_t index = 0;
  for (;;) {
    std::string name;
    long rc = reg.EnumKey(key, index, name, kSubkeyNameBuffer);
    if (rc == plat::kErrMoreData) {
      ++index;
      continue;
    }
    if (rc != plat::kErrSuccess) return;
    UniqueKey sub;
    if (UniqueKey::Open(reg, key, name, plat::Access::All, sub) == plat::kErrSuccess)
      RemoveSubkeys(reg, sub.get());
    if (reg.DeleteKey(key, name) != plat::kErrSuccess) ++index;
  }
}

}  // namespace

std::string ReadRegistryText(plat::Registry& reg, plat::HKey root, std::string_view path,
                             std::string_view name) {
  UniqueKey key;
  if (UniqueKey::Open(reg, root, path, plat::Access::Read, key) != plat::kErrSuccess) return {};
  std::size_t capacity = kStoreReadBuffer;
  // A value that grows between the size query and the read is asked for
  // again; a few rounds settle any real race.
  for (int round = 0; round < 4; ++round) {
    std::string data;
    std::uint32_t type = 0;
    std::size_t needed = 0;
    long rc = reg.QueryValue(key.get(), name, type, data, capacity, needed);
    if (rc == plat::kErrSuccess) return std::string(UpToNul(data));
    if (rc != plat::kErrMoreData || needed <= capacity) return {};
    capacity = needed;
  }
  return {};
}

std::string ReadStoreText(plat::Registry& reg, std::string_view path, std::string_view name) {
  return ReadRegistryText(reg, plat::kCurrentUser, path, name);
}

void WriteStoreText(plat::Registry& reg, std::string_view name, std::string_view text) {
  UniqueKey key;
  if (UniqueKey::Create(reg, plat::kCurrentUser, kControlKeyPath, key) != plat::kErrSuccess) return;
  std::string data(UpToNul(text));
  data.push_back('\0');  // REG_SZ data counts its terminating NUL
  reg.SetValue(key.get(), name, plat::kRegSz, data);
}

void ClearStore(plat::Registry& reg) {
  UniqueKey key;
  if (UniqueKey::Open(reg, plat::kCurrentUser, kControlKeyPath, plat::Access::All, key) !=
      plat::kErrSuccess)
    return;
  RemoveSubkeys(reg, key.get());
  reg.DeleteKey(plat::kCurrentUser, kControlKeyPath);
}

}  // namespace vellora
