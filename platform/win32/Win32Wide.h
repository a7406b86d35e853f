#pragma once
// UTF-16 strings across the Win32 wide API (wchar_t is 16 bits on Windows)
// and an owner for kernel handles.
#include <windows.h>

#include <string>
#include <string_view>

namespace win {

inline std::wstring W(std::u16string_view s) {
  return std::wstring(s.begin(), s.end());
}
inline std::u16string U(const wchar_t* s, std::size_t n) {
  return std::u16string(reinterpret_cast<const char16_t*>(s), n);
}
inline std::u16string U(const wchar_t* s) {
  return U(s, wcslen(s));
}

class UniqueHandle {
 public:
  explicit UniqueHandle(HANDLE h = INVALID_HANDLE_VALUE) : h_(h) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() {
    if (valid()) CloseHandle(h_);
  }
  bool valid() const { return h_ != INVALID_HANDLE_VALUE && h_ != nullptr; }
  HANDLE get() const { return h_; }

 private:
  HANDLE h_;
};

}  // namespace win
