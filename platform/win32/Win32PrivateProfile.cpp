#include "Win32PrivateProfile.h"

#include <vector>

#include "Win32Wide.h"

namespace win {

std::u16string Win32PrivateProfile::GetString(std::u16string_view file, std::u16string_view section,
                                              std::u16string_view key, std::u16string_view def,
                                              std::size_t capacity) {
  if (capacity == 0) return {};
  std::vector<wchar_t> buf(capacity, L'\0');
  DWORD n = GetPrivateProfileStringW(W(section).c_str(), W(key).c_str(), W(def).c_str(), buf.data(),
                                     static_cast<DWORD>(capacity), W(file).c_str());
  return U(buf.data(), std::min<std::size_t>(n, capacity - 1));
}

std::u16string Win32PrivateProfile::GetKeyNames(std::u16string_view file,
                                                std::u16string_view section, std::size_t capacity) {
  if (capacity < 2) return {};
  std::vector<wchar_t> buf(capacity, L'\0');
  DWORD n = GetPrivateProfileStringW(W(section).c_str(), nullptr, L"", buf.data(),
                                     static_cast<DWORD>(capacity), W(file).c_str());
  // The count excludes the list's final NUL; the last name's NUL is included
  // when the list is complete, and the cut list ends in two NULs.
  std::size_t len = std::min<std::size_t>(n, capacity - 1);
  if (len > 0 && buf[len - 1] != L'\0' && len < capacity) ++len;
  return U(buf.data(), len);
}

}  // namespace win
