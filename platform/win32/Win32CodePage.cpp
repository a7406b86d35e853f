#include "Win32CodePage.h"

#include <windows.h>

#include <vector>

namespace win {

std::uint32_t Win32CodePage::ThreadAnsiCodePage() {
  // CP_THREAD_ACP resolves the thread's code page where the system has one;
  // otherwise the thread locale's default ANSI code page; else the system's.
  CPINFOEXA info{};
  if (GetCPInfoExA(CP_THREAD_ACP, 0, &info)) return info.CodePage;
  char buf[8] = {};
  if (GetLocaleInfoA(GetThreadLocale(), LOCALE_IDEFAULTANSICODEPAGE, buf, sizeof buf) > 0) {
    UINT cp = static_cast<UINT>(atoi(buf));
    if (cp != 0) return cp;
  }
  return GetACP();
}

std::optional<std::string> Win32CodePage::FromUtf16(std::uint32_t cp, std::u16string_view text) {
  if (text.empty()) return std::string();
  const auto* w = reinterpret_cast<const wchar_t*>(text.data());
  int n =
      WideCharToMultiByte(cp, 0, w, static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  if (n <= 0) return std::nullopt;
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(cp, 0, w, static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

std::optional<std::u16string> Win32CodePage::ToUtf16(std::uint32_t cp, std::string_view text) {
  if (text.empty()) return std::u16string();
  int n = MultiByteToWideChar(cp, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  if (n <= 0) return std::nullopt;
  std::u16string out(static_cast<std::size_t>(n), u'\0');
  MultiByteToWideChar(cp, 0, text.data(), static_cast<int>(text.size()),
                      reinterpret_cast<wchar_t*>(out.data()), n);
  return out;
}

bool Win32CodePage::IsLeadByte(std::uint32_t cp, unsigned char b) {
  return IsDBCSLeadByteEx(cp, b) != FALSE;
}

}  // namespace win
