#include "Win32Dialogs.h"

#include "Win32Wide.h"

namespace win {

std::int32_t Win32Dialogs::ShowMessageBox(std::u16string_view text, std::u16string_view caption,
                                          std::uint32_t flags) {
  return MessageBoxW(GetActiveWindow(), W(text).c_str(), W(caption).c_str(), flags);
}

void Win32Dialogs::ShowErrorDisplay(std::u16string_view text) {
  wchar_t path[MAX_PATH] = {};
  DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring title = n > 0 && n < MAX_PATH ? std::wstring(path, n) : std::wstring(L"setup");
  auto slash = title.find_last_of(L"\\/");
  if (slash != std::wstring::npos) title.erase(0, slash + 1);
  auto dot = title.rfind(L'.');
  if (dot != std::wstring::npos && dot > 0) title.erase(dot);
  MessageBoxW(GetActiveWindow(), W(text).c_str(), title.c_str(), MB_OK | MB_ICONERROR);
}

}  // namespace win
