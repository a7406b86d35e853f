#include "SimCodePage.h"

#include <iconv.h>

#include <cerrno>
#include <memory>

namespace sim {
namespace {

const char* IconvName(std::uint32_t cp) {
  switch (cp) {
    case 936: return "CP936";
    case 1252: return "CP1252";
    case 1250: return "CP1250";
    case 1251: return "CP1251";
    case 932: return "CP932";
    case 950: return "CP950";
    case 437: return "CP437";
    case 20127: return "ASCII";
    case 65001: return "UTF-8";
    default: return nullptr;
  }
}

struct IconvCloser {
  void operator()(iconv_t* cd) const {
    iconv_close(*cd);
    delete cd;
  }
};
using UniqueIconv = std::unique_ptr<iconv_t, IconvCloser>;

UniqueIconv Open(const char* to, const char* from) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return nullptr;
  return UniqueIconv(new iconv_t(cd));
}

// Converts one whole chunk; false when iconv rejects it.
bool Convert(iconv_t cd, const char* in, std::size_t inLen, std::string& out) {
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  char* src = const_cast<char*>(in);
  std::size_t left = inLen;
  char buf[256];
  while (left > 0) {
    char* dst = buf;
    std::size_t room = sizeof buf;
    std::size_t rc = iconv(cd, &src, &left, &dst, &room);
    out.append(buf, dst - buf);
    if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) return false;
  }
  char* dst = buf;
  std::size_t room = sizeof buf;
  iconv(cd, nullptr, nullptr, &dst, &room);
  out.append(buf, dst - buf);
  return true;
}

}  // namespace

std::optional<std::string> SimCodePage::FromUtf16(std::uint32_t cp, std::u16string_view text) {
  const char* name = IconvName(cp);
  if (name == nullptr) return std::nullopt;
  UniqueIconv cd = Open(name, "UTF-16LE");
  if (!cd) return std::nullopt;
  std::string out;
  // Convert character by character so that an unrepresentable one becomes
  // the code page's default character and the rest still converts.
  for (std::size_t i = 0; i < text.size(); ++i) {
    std::size_t n = 1;
    if (text[i] >= 0xD800 && text[i] < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] < 0xE000)
      n = 2;
    char bytes[4];
    for (std::size_t k = 0; k < n; ++k) {
      bytes[2 * k] = static_cast<char>(text[i + k] & 0xFF);
      bytes[2 * k + 1] = static_cast<char>(text[i + k] >> 8);
    }
    std::string piece;
    if (Convert(*cd, bytes, 2 * n, piece))
      out += piece;
    else
      out += '?';
    i += n - 1;
  }
  return out;
}

std::optional<std::u16string> SimCodePage::ToUtf16(std::uint32_t cp, std::string_view text) {
  const char* name = IconvName(cp);
  if (name == nullptr) return std::nullopt;
  UniqueIconv cd = Open("UTF-16LE", name);
  if (!cd) return std::nullopt;
  std::string bytes;
  if (!Convert(*cd, text.data(), text.size(), bytes)) return std::nullopt;
  std::u16string out;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
    out.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                        (static_cast<unsigned char>(bytes[i + 1]) << 8)));
  return out;
}

bool SimCodePage::IsLeadByte(std::uint32_t cp, unsigned char b) {
  switch (cp) {
    case 936:  // GBK
    case 950:  // Big5
      return b >= 0x81 && b <= 0xFE;
    case 932:  // Shift-JIS
      return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    default: return false;
  }
}

}  // namespace sim
