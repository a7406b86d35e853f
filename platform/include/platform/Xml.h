#pragma once
// XML document service. The parser sees Unicode text only: decoding the
// file's bytes by their declared encoding, and encoding on save, is done by
// the caller, so the declaration's encoding is never applied here.
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace plat {

// A parse or document error, carrying the XML library's message.
class XmlError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// An element of a document; 0 names none.
using XmlElement = std::uintptr_t;

class XmlDocument {
 public:
  virtual ~XmlDocument() = default;
  virtual XmlElement Root() = 0;
  // First child element of `parent` with exactly this name; 0 when none.
  virtual XmlElement FindChild(XmlElement parent, std::u16string_view name) = 0;
  // Appends a new, empty child element at the end of `parent`'s children.
  virtual XmlElement AppendChild(XmlElement parent, std::u16string_view name) = 0;
  // The text of an element that holds nothing or a single text node; nullopt
  // when it holds anything else.
  virtual std::optional<std::u16string> TextOf(XmlElement e) = 0;
  // The document's top-level nodes as markup, without an XML declaration.
  virtual std::u16string SerializeNodes() = 0;
};

class XmlParser {
 public:
  virtual ~XmlParser() = default;
  // Parses markup that carries no XML declaration. Throws XmlError.
  virtual std::unique_ptr<XmlDocument> ParseText(std::u16string_view text) = 0;
};

}  // namespace plat
