#pragma once
// Bytes of an XML file to Unicode markup and back, by the encoding its
// declaration names. The parser is only ever given Unicode markup without a
// declaration; the declaration is kept here and written again on save.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/CodePage.h"

namespace setup {

struct XmlDeclaration {
  bool present = false;
  std::u16string version = u"1.0";
  std::u16string encoding;  // as written; empty when not given
  std::u16string standalone;
};

struct DecodedXml {
  XmlDeclaration declaration;
  std::u16string markup;  // everything after the declaration
};

// Code page of an encoding name (case-insensitive); nullopt when unknown.
std::optional<std::uint32_t> CodePageOfEncoding(std::u16string_view name);

// Splits a leading declaration off Unicode text.
DecodedXml SplitDeclaration(std::u16string_view text);

// Decodes a file's bytes: a byte-order mark wins, otherwise the declared
// encoding, otherwise UTF-8. Throws plat::XmlError for an unknown encoding
// or bytes that are not valid in it.
DecodedXml DecodeXmlBytes(std::string_view bytes, plat::CodePage& cp);

// The declaration as text, then the markup, encoded as the declaration says
// (UTF-8 when it names none).
std::string EncodeXml(const XmlDeclaration& decl, std::u16string_view markup, plat::CodePage& cp);

}  // namespace setup
