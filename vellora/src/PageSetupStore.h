#pragma once
// The page-setup store: the control's own registry key of page settings
// (read and written) and the browser's page-setup key (read only), both
// under HKEY_CURRENT_USER. Every operation opens, reads or writes one whole
// value and closes again; failures read as empty text and are not reported.
#include <string>
#include <string_view>

#include "StoreFormats.h"
#include "platform/Registry.h"

namespace vellora {

inline constexpr std::string_view kControlKeyPath =
    "Software\\Microsoft\\Internet Explorer\\Ormsby Company\\PageSetup";
inline constexpr std::string_view kBrowserKeyPath =
    "Software\\Microsoft\\Internet Explorer\\PageSetup";

// Size of the first read; a longer value is read again at its full size.
inline constexpr std::size_t kStoreReadBuffer = 255;
// Longest subkey name enumerated, in characters with the NUL.
inline constexpr std::size_t kSubkeyNameBuffer = 260;

// The 8-bit text of value `name` of key `path` under `root`, up to its first
// NUL; empty when the key or value is missing or cannot be read. The value's
// type is not checked.
std::string ReadRegistryText(plat::Registry& reg, plat::HKey root, std::string_view path,
                             std::string_view name);

// ReadRegistryText under HKEY_CURRENT_USER.
std::string ReadStoreText(plat::Registry& reg, std::string_view path, std::string_view name);

// Writes `text` (up to its first NUL) as REG_SZ into the control key,
// creating the key when needed.
void WriteStoreText(plat::Registry& reg, std::string_view name, std::string_view text);

// Deletes the control key with everything under it. A subkey that cannot
// be deleted is left in place (and with it the key).
void ClearStore(plat::Registry& reg);

}  // namespace vellora
