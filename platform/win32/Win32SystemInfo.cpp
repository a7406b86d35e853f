#include "Win32SystemInfo.h"

#include <cstring>
#include <vector>

#include "Win32Wide.h"

namespace win {

plat::VersionInfo Win32SystemInfo::QueryVersion() {
  OSVERSIONINFOA v{};
  v.dwOSVersionInfoSize = sizeof v;  // 148 bytes
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  GetVersionExA(&v);
#pragma GCC diagnostic pop
  plat::VersionInfo out;
  out.platformId = v.dwPlatformId;
  out.major = v.dwMajorVersion;
  out.minor = v.dwMinorVersion;
  out.build = v.dwBuildNumber;
  out.csdVersion.assign(v.szCSDVersion, strnlen(v.szCSDVersion, sizeof v.szCSDVersion));
  return out;
}

std::u16string Win32SystemInfo::SystemDirectory() {
  wchar_t buf[MAX_PATH + 1] = {};
  UINT n = GetSystemDirectoryW(buf, MAX_PATH + 1);
  return n > 0 && n <= MAX_PATH ? U(buf, n) : std::u16string();
}

std::u16string Win32SystemInfo::TempDirectory() {
  wchar_t buf[MAX_PATH + 1] = {};
  DWORD n = GetTempPathW(MAX_PATH + 1, buf);
  return n > 0 && n <= MAX_PATH ? U(buf, n) : std::u16string();
}

std::u16string Win32SystemInfo::ProgramPath() {
  std::vector<wchar_t> buf(MAX_PATH);
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
    if (n == 0) return {};
    if (n < buf.size()) return U(buf.data(), n);
    buf.resize(buf.size() * 2);
  }
}

std::optional<std::uint32_t> Win32SystemInfo::LongPathName(std::u16string_view path,
                                                           std::u16string& out,
                                                           std::uint32_t capacity) {
  using Fn = DWORD(WINAPI*)(LPCWSTR, LPWSTR, DWORD);
  HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  if (kernel == nullptr) return std::nullopt;
  auto fn =
      reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(kernel, "GetLongPathNameW")));
  if (fn == nullptr) return std::nullopt;
  std::vector<wchar_t> buf(capacity + 1, L'\0');
  DWORD n = fn(W(path).c_str(), buf.data(), capacity);
  out = U(buf.data(), wcsnlen(buf.data(), capacity));
  return static_cast<std::uint32_t>(n);
}

namespace {

// The screen's device context for the time of one query.
class ScreenDc {
 public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  ~ScreenDc() {
    if (dc_ != nullptr) ReleaseDC(nullptr, dc_);
  }
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

}  // namespace

int Win32SystemInfo::ScreenPixelsPerInchY() {
  ScreenDc dc;
  return dc.get() != nullptr ? GetDeviceCaps(dc.get(), LOGPIXELSY) : 96;
}

}  // namespace win
