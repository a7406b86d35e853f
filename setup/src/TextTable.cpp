#include "TextTable.h"

#include "Errors.h"
#include "platform/Resources.h"

namespace setup {
namespace {

char16_t FoldAscii(char16_t c) {
  return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c;
}

bool SameTextAscii(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
  return true;
}

std::u16string Utf16(std::string_view bytes, bool bigEndian) {
  std::u16string out;
  out.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    auto a = static_cast<unsigned char>(bytes[i]);
    auto b = static_cast<unsigned char>(bytes[i + 1]);
    out.push_back(static_cast<char16_t>(bigEndian ? (a << 8) | b : (b << 8) | a));
  }
  return out;
}

// Decodes 8-bit text; when the whole does not convert, each line is tried on
// its own and a line that still fails keeps its ASCII and loses the rest.
std::u16string Decode8(std::string_view bytes, std::uint32_t cp, plat::CodePage& conv) {
  if (auto all = conv.ToUtf16(cp, bytes)) return *all;
  std::u16string out;
  std::size_t pos = 0;
  while (pos <= bytes.size()) {
    std::size_t end = bytes.find('\n', pos);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view line = bytes.substr(pos, end - pos);
    if (auto ok = conv.ToUtf16(cp, line)) {
      out += *ok;
    } else {
      for (char c : line)
        out.push_back(static_cast<unsigned char>(c) < 0x80 ? static_cast<char16_t>(c) : u'\xFFFD');
    }
    if (end < bytes.size()) out.push_back(u'\n');
    pos = end + 1;
  }
  return out;
}

}  // namespace

std::u16string DecodeLanguageText(std::string_view bytes, plat::CodePage& cp) {
  auto at = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  if (bytes.size() >= 2 && at(0) == 0xFF && at(1) == 0xFE) return Utf16(bytes.substr(2), false);
  if (bytes.size() >= 2 && at(0) == 0xFE && at(1) == 0xFF) return Utf16(bytes.substr(2), true);
  if (bytes.size() >= 3 && at(0) == 0xEF && at(1) == 0xBB && at(2) == 0xBF)
    return Decode8(bytes.substr(3), plat::kCpUtf8, cp);
  return Decode8(bytes, cp.ThreadAnsiCodePage(), cp);
}

std::vector<std::u16string> SplitLanguageLines(std::u16string_view text) {
  std::vector<std::u16string> lines;
  std::u16string cur;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    if (c == u'\r' || c == u'\n' || c == u'\u2028') {
      lines.push_back(std::move(cur));
      cur.clear();
      if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    } else {
      cur.push_back(c);
    }
  }
  if (!cur.empty()) lines.push_back(std::move(cur));
  return lines;
}

std::string TextKeyDigits(std::int32_t id) {
  static const char kHex[] = "0123456789ABCDEF";
  auto v = static_cast<std::uint32_t>(id);
  std::string out(8, '0');
  for (int i = 7; i >= 0; --i, v >>= 4) out[static_cast<std::size_t>(i)] = kHex[v & 0xF];
  return out;
}

void TextTable::LoadLanguageTable(plat::Resources& resources) {
  plat::UniqueModule lib(resources, resources.LoadResourceLibrary(kLanguageLibrary));
  if (!lib) return;
  auto bytes = resources.RcData(lib.get(), kLanguageResource);
  if (!bytes) throw PlatformError(u"Resource LANGUAGES not found");
  LoadFromBytes(*bytes);
}

void TextTable::LoadFromBytes(std::string_view bytes) {
  table_ = SplitLanguageLines(DecodeLanguageText(bytes, cp_));
}

std::u16string TextTable::LookupText(std::int32_t id, std::string_view prefix) const {
  if (!table_) return {};
  std::string key8 = std::string(prefix) + TextKeyDigits(id);
  std::u16string key = cp_.ToUtf16(cp_.ThreadAnsiCodePage(), key8).value_or(std::u16string());
  for (const auto& line : *table_) {
    std::size_t eq = line.find(u'=');
    if (eq == std::u16string::npos) continue;
    if (!SameTextAscii(std::u16string_view(line).substr(0, eq), key)) continue;
    std::u16string_view value = std::u16string_view(line).substr(eq + 1);
    std::u16string out;
    static constexpr std::u16string_view kBreak = u"#13#10";
    std::size_t pos = 0;
    for (;;) {
      std::size_t hit = value.find(kBreak, pos);
      if (hit == std::u16string_view::npos) break;
      out.append(value.substr(pos, hit - pos));
      out.append(u"\r\n");
      pos = hit + kBreak.size();
    }
    out.append(value.substr(pos));
    return out;
  }
  return {};
}

std::u16string TextTable::FetchText(std::int32_t id, std::u16string_view def) {
  std::u16string r = LookupText(id, prefix_);
  lastTextId_ = id;
  if (r.empty()) r = std::u16string(def);
  lastText_ = r;
  return r;
}

std::u16string TextTable::FetchHintText(std::int32_t id, std::u16string_view def) const {
  std::u16string r = LookupText(id, prefix_ + "HINT_");
  if (r.empty()) r = std::u16string(def);
  return r;
}

}  // namespace setup
