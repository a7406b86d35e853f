#include "Win32Profile.h"

#include <windows.h>

#include <vector>

namespace win {

std::string Win32Profile::GetString(std::string_view section, std::string_view key,
                                    std::string_view def, std::size_t capacity) {
  if (capacity == 0) return {};
  std::vector<char> buf(capacity, '\0');
  std::string s(section), k(key), d(def);
  DWORD n =
      GetProfileStringA(s.c_str(), k.c_str(), d.c_str(), buf.data(), static_cast<DWORD>(capacity));
  return std::string(buf.data(), n);
}

bool Win32Profile::WriteString(std::string_view section, std::string_view key,
                               std::string_view value) {
  std::string s(section), k(key), v(value);
  return WriteProfileStringA(s.c_str(), k.c_str(), v.c_str()) != FALSE;
}

}  // namespace win
