#include "DefaultPrinter.h"

namespace vellora {
namespace {

constexpr std::string_view kSection = "windows";
constexpr std::string_view kKey = "device";
constexpr std::string_view kMissing = ",,,";
constexpr std::string_view kDriverSuffix = ",winspool;";

// Index of the first comma, stepping over lead/trail byte pairs of `acp`;
// npos when there is none before the end of the text (or its first NUL).
std::size_t FindFirstComma(plat::CodePage& cp, std::uint32_t acp, std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && s[i] != '\0') {
    auto b = static_cast<unsigned char>(s[i]);
    if (cp.IsLeadByte(acp, b)) {
      if (i + 1 >= s.size() || s[i + 1] == '\0') break;  // a cut-off pair ends the text
      i += 2;
      continue;
    }
    if (b == ',') return i;
    ++i;
  }
  return std::string_view::npos;
}

}  // namespace

std::string ReadDefaultPrinter(plat::Profile& profile, plat::CodePage& cp) {
  std::string device = profile.GetString(kSection, kKey, kMissing, kDeviceBuffer);
  std::size_t comma = FindFirstComma(cp, cp.ThreadAnsiCodePage(), device);
  if (comma == std::string_view::npos) return {};
  return device.substr(0, comma);
}

void WriteDefaultPrinter(plat::Profile& profile, std::string_view name) {
  std::string value(name);
  value += kDriverSuffix;
  profile.WriteString(kSection, kKey, value);
}

}  // namespace vellora
