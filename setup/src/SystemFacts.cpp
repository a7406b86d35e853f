#include "SystemFacts.h"

namespace setup {
namespace {

std::u16string Decimal(std::uint32_t v) {
  std::string s = std::to_string(v);
  return std::u16string(s.begin(), s.end());
}

}  // namespace

std::u16string WindowsVersionName(const plat::VersionInfo& v) {
  switch (v.platformId) {
    case 0: return u"Windows3.11";
    case 1:
      if (v.minor == 0) return u"Windows95";
      if (v.minor == 10)
        return v.csdVersion.size() >= 2 && v.csdVersion[1] == 'A' ? u"Windows98SE" : u"Windows98";
      if (v.minor == 90) return u"WindowsMillenium";
      return u"Unknown Version";
    case 2:
      if (v.major == 3 || v.major == 4)
        return u"WindowsNT " + Decimal(v.major) + u"." + Decimal(v.minor);
      if (v.major == 5 && v.minor == 0) return u"Windows2000";
      if (v.major == 5 && v.minor == 1) return u"WindowsWhistler";
      return u"Unknown Version";
    default: return u"Unknown Platform";
  }
}

std::u16string GetWindowsVersionName(plat::SystemInfo& system) {
  return WindowsVersionName(system.QueryVersion());
}

std::u16string GetLongPath(plat::SystemInfo& system, std::u16string_view path) {
  constexpr std::uint32_t kBuffer = 260;
  std::u16string buf;
  auto n = system.LongPathName(path, buf, kBuffer);
  if (!n || *n == 0 || *n > kBuffer) return std::u16string(path);
  // Only the characters the function reported, and never past the buffer.
  if (buf.size() > *n) buf.resize(*n);
  return buf;
}

}  // namespace setup
