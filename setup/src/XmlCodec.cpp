#include "XmlCodec.h"

#include "Convert.h"
#include "platform/Xml.h"

namespace setup {
namespace {

std::u16string Widen(std::string_view s) {
  std::u16string out;
  for (char c : s) out.push_back(static_cast<unsigned char>(c));
  return out;
}

// The value of a pseudo-attribute of the declaration.
std::u16string Attribute(std::u16string_view decl, std::u16string_view name) {
  std::size_t pos = 0;
  while ((pos = decl.find(name, pos)) != std::u16string_view::npos) {
    std::size_t i = pos + name.size();
    bool boundary = pos > 0 && decl[pos - 1] <= u' ';
    while (i < decl.size() && decl[i] <= u' ') ++i;
    if (boundary && i < decl.size() && decl[i] == u'=') {
      ++i;
      while (i < decl.size() && decl[i] <= u' ') ++i;
      if (i < decl.size() && (decl[i] == u'"' || decl[i] == u'\'')) {
        char16_t q = decl[i];
        std::size_t end = decl.find(q, i + 1);
        if (end != std::u16string_view::npos)
          return std::u16string(decl.substr(i + 1, end - i - 1));
      }
    }
    pos += name.size();
  }
  return {};
}

std::u16string Utf16Of(std::string_view bytes, bool bigEndian) {
  std::u16string out;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    auto a = static_cast<unsigned char>(bytes[i]);
    auto b = static_cast<unsigned char>(bytes[i + 1]);
    out.push_back(static_cast<char16_t>(bigEndian ? (a << 8) | b : (b << 8) | a));
  }
  return out;
}

}  // namespace

std::optional<std::uint32_t> CodePageOfEncoding(std::u16string_view name) {
  std::u16string n = UpperAscii(TrimBlanks(name));
  if (n == u"GB2312" || n == u"GBK" || n == u"CP936" || n == u"WINDOWS-936" || n == u"X-GBK")
    return 936;
  if (n == u"UTF-8" || n == u"UTF8") return plat::kCpUtf8;
  if (n == u"WINDOWS-1252" || n == u"CP1252") return 1252;
  if (n == u"US-ASCII" || n == u"ASCII") return 20127;
  if (n == u"BIG5") return 950;
  if (n == u"SHIFT_JIS" || n == u"SHIFT-JIS") return 932;
  return std::nullopt;
}

DecodedXml SplitDeclaration(std::u16string_view text) {
  DecodedXml out;
  if (text.starts_with(u"<?xml") && text.size() > 5 && text[5] <= u' ') {
    std::size_t end = text.find(u"?>");
    if (end != std::u16string_view::npos) {
      std::u16string_view decl = text.substr(0, end);
      out.declaration.present = true;
      std::u16string v = Attribute(decl, u"version");
      if (!v.empty()) out.declaration.version = v;
      out.declaration.encoding = Attribute(decl, u"encoding");
      out.declaration.standalone = Attribute(decl, u"standalone");
      text.remove_prefix(end + 2);
    }
  }
  out.markup = std::u16string(text);
  return out;
}

DecodedXml DecodeXmlBytes(std::string_view bytes, plat::CodePage& cp) {
  auto at = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  if (bytes.size() >= 2 && at(0) == 0xFF && at(1) == 0xFE)
    return SplitDeclaration(Utf16Of(bytes.substr(2), false));
  if (bytes.size() >= 2 && at(0) == 0xFE && at(1) == 0xFF)
    return SplitDeclaration(Utf16Of(bytes.substr(2), true));
  std::uint32_t codePage = plat::kCpUtf8;
  if (bytes.size() >= 3 && at(0) == 0xEF && at(1) == 0xBB && at(2) == 0xBF) {
    bytes.remove_prefix(3);
  } else {
    // The declaration is ASCII in every encoding this reads.
    std::size_t end = bytes.find("?>");
    DecodedXml head =
        SplitDeclaration(Widen(bytes.substr(0, end == std::string_view::npos ? 0 : end + 2)));
    if (head.declaration.present && !head.declaration.encoding.empty()) {
      auto named = CodePageOfEncoding(head.declaration.encoding);
      if (!named) {
        std::string enc(head.declaration.encoding.begin(), head.declaration.encoding.end());
        throw plat::XmlError("Unsupported encoding '" + enc + "'");
      }
      codePage = *named;
    }
  }
  auto text = cp.ToUtf16(codePage, bytes);
  if (!text) throw plat::XmlError("The document's bytes are not valid in its declared encoding");
  return SplitDeclaration(*text);
}

std::string EncodeXml(const XmlDeclaration& decl, std::u16string_view markup, plat::CodePage& cp) {
  std::u16string text = u"<?xml version=\"" + decl.version + u"\"";
  if (!decl.encoding.empty()) text += u" encoding=\"" + decl.encoding + u"\"";
  if (!decl.standalone.empty()) text += u" standalone=\"" + decl.standalone + u"\"";
  text += u"?>\r\n";
  std::u16string_view body = markup;
  while (!body.empty() && (body.front() == u'\r' || body.front() == u'\n')) body.remove_prefix(1);
  text += body;
  std::uint32_t codePage = plat::kCpUtf8;
  if (!decl.encoding.empty()) {
    auto named = CodePageOfEncoding(decl.encoding);
    if (!named) {
      std::string enc(decl.encoding.begin(), decl.encoding.end());
      throw plat::XmlError("Unsupported encoding '" + enc + "'");
    }
    codePage = *named;
  }
  auto bytes = cp.FromUtf16(codePage, text);
  if (!bytes) throw plat::XmlError("The document cannot be written in its declared encoding");
  return *bytes;
}

}  // namespace setup
