#include "Win32FileSystem.h"

#include <vector>

#include "Win32Wide.h"

namespace win {

bool Win32FileSystem::FileExists(std::u16string_view path) {
  DWORD a = GetFileAttributesW(W(path).c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32FileSystem::DirectoryExists(std::u16string_view path) {
  DWORD a = GetFileAttributesW(W(path).c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::optional<std::string> Win32FileSystem::ReadAll(std::u16string_view path) {
  UniqueHandle h(CreateFileW(W(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!h.valid()) return std::nullopt;
  std::string out;
  char buf[65536];
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(h.get(), buf, sizeof buf, &got, nullptr)) return std::nullopt;
    if (got == 0) break;
    out.append(buf, got);
  }
  return out;
}

std::uint32_t Win32FileSystem::WriteAll(std::u16string_view path, std::string_view bytes) {
  UniqueHandle h(CreateFileW(W(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!h.valid()) return GetLastError();
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD put = 0;
    DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
    if (!WriteFile(h.get(), bytes.data() + done, chunk, &put, nullptr)) return GetLastError();
    done += put;
  }
  return 0;
}

bool Win32FileSystem::CopyTo(std::u16string_view from, std::u16string_view to, bool failIfExists) {
  return CopyFileW(W(from).c_str(), W(to).c_str(), failIfExists ? TRUE : FALSE) != 0;
}

std::u16string Win32FileSystem::CurrentDirectory() {
  DWORD n = GetCurrentDirectoryW(0, nullptr);
  std::vector<wchar_t> buf(n + 1, L'\0');
  DWORD got = GetCurrentDirectoryW(static_cast<DWORD>(buf.size()), buf.data());
  return got > 0 && got < buf.size() ? U(buf.data(), got) : std::u16string();
}

}  // namespace win
