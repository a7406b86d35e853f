#pragma once
// Registry port: the subset of the Windows registry API that the system uses.
// Key handles are opaque numbers; the predefined roots have the same values
// as on Windows. Results are Win32 error codes (0 = success).
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace plat {

using HKey = std::uintptr_t;
inline constexpr HKey kClassesRoot = 0x80000000u;
inline constexpr HKey kCurrentUser = 0x80000001u;
inline constexpr HKey kLocalMachine = 0x80000002u;

inline constexpr long kErrSuccess = 0;
inline constexpr long kErrFileNotFound = 2;
inline constexpr long kErrAccessDenied = 5;
inline constexpr long kErrInvalidHandle = 6;
inline constexpr long kErrInsufficientBuffer = 122;
inline constexpr long kErrMoreData = 234;
inline constexpr long kErrNoMoreItems = 259;

inline constexpr std::uint32_t kRegNone = 0;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;

enum class Access { Read, Write, All };

class Registry {
 public:
  virtual ~Registry() = default;

  virtual long OpenKey(HKey parent, std::string_view subkey, Access access, HKey& out) = 0;
  // Opens the key or creates it (with any missing parents).
  virtual long CreateKey(HKey parent, std::string_view subkey, HKey& out) = 0;
  virtual long CloseKey(HKey key) = 0;

  // ANSI value access (text in the thread's ANSI code page). `data` receives
  // at most `capacity` bytes; when the value is larger the call fails with
  // kErrMoreData and `needed` tells the full size.
  virtual long QueryValue(HKey key, std::string_view name, std::uint32_t& type, std::string& data,
                          std::size_t capacity, std::size_t& needed) = 0;
  virtual long SetValue(HKey key, std::string_view name, std::uint32_t type,
                        std::string_view data) = 0;

  // UTF-16 value access for string values (REG_SZ / REG_EXPAND_SZ); the
  // terminating NUL is not part of `data`.
  virtual long QueryValueW(HKey key, std::u16string_view name, std::uint32_t& type,
                           std::u16string& data) = 0;

  virtual long DeleteValue(HKey key, std::string_view name) = 0;
  // Deletes a subkey that has no subkeys of its own.
  virtual long DeleteKey(HKey parent, std::string_view subkey) = 0;
  // Name of the subkey at `index` (kErrNoMoreItems past the end). Names longer
  // than `capacity` characters fail with kErrMoreData.
  virtual long EnumKey(HKey key, std::uint32_t index, std::string& name, std::size_t capacity) = 0;
};

// Owns an open key and closes it on every path out of scope.
class UniqueKey {
 public:
  UniqueKey() = default;
  UniqueKey(Registry& reg, HKey key) : reg_(&reg), key_(key) {}
  UniqueKey(const UniqueKey&) = delete;
  UniqueKey& operator=(const UniqueKey&) = delete;
  UniqueKey(UniqueKey&& o) noexcept : reg_(o.reg_), key_(std::exchange(o.key_, 0)) {}
  UniqueKey& operator=(UniqueKey&& o) noexcept {
    if (this != &o) {
      reset();
      reg_ = o.reg_;
      key_ = std::exchange(o.key_, 0);
    }
    return *this;
  }
  ~UniqueKey() { reset(); }

  void reset() {
    if (key_ != 0 && reg_ != nullptr) reg_->CloseKey(key_);
    key_ = 0;
  }
  HKey get() const { return key_; }
  explicit operator bool() const { return key_ != 0; }

  // Convenience wrappers that keep the handle owned.
  static long Open(Registry& reg, HKey parent, std::string_view sub, Access a, UniqueKey& out) {
    HKey k = 0;
    long rc = reg.OpenKey(parent, sub, a, k);
    out = rc == kErrSuccess ? UniqueKey(reg, k) : UniqueKey();
    return rc;
  }
  static long Create(Registry& reg, HKey parent, std::string_view sub, UniqueKey& out) {
    HKey k = 0;
    long rc = reg.CreateKey(parent, sub, k);
    out = rc == kErrSuccess ? UniqueKey(reg, k) : UniqueKey();
    return rc;
  }

 private:
  Registry* reg_ = nullptr;
  HKey key_ = 0;
};

}  // namespace plat
