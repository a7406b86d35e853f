#include "Convert.h"

#include <string>

#include "Errors.h"

namespace setup {
namespace {

int DigitValue(char16_t c, bool hex) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (!hex) return -1;
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

// A decimal floating-point number with optional blanks at both ends.
bool IsFloatText(std::u16string_view s, bool& nonZero) {
  s = TrimBlanks(s);
  std::size_t i = 0;
  if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) ++i;
  bool digits = false;
  nonZero = false;
  while (i < s.size() && s[i] >= u'0' && s[i] <= u'9') {
    digits = true;
    if (s[i] != u'0') nonZero = true;
    ++i;
  }
  if (i < s.size() && s[i] == u'.') {
    ++i;
    while (i < s.size() && s[i] >= u'0' && s[i] <= u'9') {
      digits = true;
      if (s[i] != u'0') nonZero = true;
      ++i;
    }
  }
  if (!digits) return false;
  if (i < s.size() && (s[i] == u'e' || s[i] == u'E')) {
    ++i;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) ++i;
    bool exp = false;
    while (i < s.size() && s[i] >= u'0' && s[i] <= u'9') {
      exp = true;
      ++i;
    }
    if (!exp) return false;
  }
  return i == s.size();
}

}  // namespace

std::u16string_view TrimBlanks(std::u16string_view s) {
  while (!s.empty() && s.front() <= u' ') s.remove_prefix(1);
  while (!s.empty() && s.back() <= u' ') s.remove_suffix(1);
  return s;
}

std::u16string UpperAscii(std::u16string_view s) {
  std::u16string out(s);
  for (auto& c : out)
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - 32);
  return out;
}

std::optional<std::int32_t> TextToInt(std::u16string_view s) {
  std::size_t i = 0;
  while (i < s.size() && s[i] == u' ') ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) negative = s[i++] == u'-';
  bool hex = false;
  if (i < s.size() && s[i] == u'$') {
    hex = true;
    ++i;
  } else if (i < s.size() && (s[i] == u'x' || s[i] == u'X')) {
    hex = true;
    ++i;
  } else if (i + 1 < s.size() && s[i] == u'0' && (s[i + 1] == u'x' || s[i + 1] == u'X')) {
    hex = true;
    i += 2;
  }
  if (i == s.size()) return std::nullopt;
  std::int64_t v = 0;
  const std::int64_t limit = hex ? 0xFFFFFFFFll : (negative ? 0x80000000ll : 0x7FFFFFFFll);
  for (; i < s.size(); ++i) {
    int d = DigitValue(s[i], hex);
    if (d < 0) return std::nullopt;
    v = v * (hex ? 16 : 10) + d;
    if (v > limit) return std::nullopt;
  }
  if (hex) v = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
  return static_cast<std::int32_t>(negative ? -v : v);
}

bool TextToBool(std::u16string_view s) {
  bool nonZero = false;
  if (IsFloatText(s, nonZero)) return nonZero;
  std::u16string up = UpperAscii(s);
  if (up == u"TRUE") return true;
  if (up == u"FALSE") return false;
  throw PlatformError(u"'" + std::u16string(s) + u"' is not a valid boolean value");
}

}  // namespace setup
