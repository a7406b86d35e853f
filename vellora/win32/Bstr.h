#pragma once
// Owning BSTR and conversions between BSTRs and the UTF-16 text of the
// member logic (std::nullopt stands for a null BSTR).
#include <oleauto.h>
#include <windows.h>

#include <optional>
#include <string>
#include <utility>

namespace vcom {

class Bstr {
 public:
  Bstr() = default;
  explicit Bstr(const wchar_t* s) : b_(s ? SysAllocString(s) : nullptr) {}
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  Bstr(Bstr&& o) noexcept : b_(std::exchange(o.b_, nullptr)) {}
  ~Bstr() { SysFreeString(b_); }
  BSTR get() const { return b_; }
  BSTR* put() {
    SysFreeString(std::exchange(b_, nullptr));
    return &b_;
  }
  BSTR detach() { return std::exchange(b_, nullptr); }

 private:
  BSTR b_ = nullptr;
};

inline std::optional<std::u16string> FromBstr(BSTR b) {
  if (b == nullptr) return std::nullopt;
  const auto* p = reinterpret_cast<const char16_t*>(b);
  return std::u16string(p, p + SysStringLen(b));
}

// A new BSTR for the caller (null for nullopt or when memory runs out).
inline BSTR ToBstr(const std::optional<std::u16string>& s) {
  if (!s) return nullptr;
  return SysAllocStringLen(reinterpret_cast<const OLECHAR*>(s->data()),
                           static_cast<UINT>(s->size()));
}

}  // namespace vcom
