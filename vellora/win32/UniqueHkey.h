#pragma once
// An open registry key, closed on every path out of scope.
#include <windows.h>

#include <utility>

namespace vcom {

class UniqueHkey {
 public:
  UniqueHkey() = default;
  UniqueHkey(const UniqueHkey&) = delete;
  UniqueHkey& operator=(const UniqueHkey&) = delete;
  UniqueHkey(UniqueHkey&& o) noexcept : k_(std::exchange(o.k_, nullptr)) {}
  ~UniqueHkey() { reset(); }
  void reset() {
    if (HKEY k = std::exchange(k_, nullptr)) RegCloseKey(k);
  }
  HKEY get() const { return k_; }
  HKEY* put() {
    reset();
    return &k_;
  }

 private:
  HKEY k_ = nullptr;
};

}  // namespace vcom
