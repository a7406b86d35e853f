#pragma once
// The language table: texts fetched by identifier from the resource
// "LANGUAGES" of the language library, with the last fetched text kept for
// the error record.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/CodePage.h"
#include "platform/Resources.h"

namespace setup {

inline constexpr char16_t kLanguageLibrary[] = u"TWLanguage.dll";
inline constexpr char16_t kLanguageResource[] = u"LANGUAGES";

// Decodes the resource's bytes by their byte-order mark (UTF-16LE, UTF-16BE,
// UTF-8), otherwise as ANSI text; bytes that do not decode become U+FFFD.
std::u16string DecodeLanguageText(std::string_view bytes, plat::CodePage& cp);
// Splits at CR LF, CR, LF and U+2028; empty lines are kept.
std::vector<std::u16string> SplitLanguageLines(std::u16string_view text);
// The eight upper-case hexadecimal digits of an identifier.
std::string TextKeyDigits(std::int32_t id);

class TextTable {
 public:
  explicit TextTable(plat::CodePage& cp) : cp_(cp) {}

  // Loads the table from the language library; silent when the library does
  // not load. A library without the resource raises the resource-not-found
  // error after the library has been released.
  void LoadLanguageTable(plat::Resources& resources);
  void LoadFromBytes(std::string_view bytes);
  void FreeLanguageTable() { table_.reset(); }
  bool Loaded() const { return table_.has_value(); }

  std::u16string LookupText(std::int32_t id, std::string_view prefix) const;
  std::u16string FetchText(std::int32_t id, std::u16string_view def);
  std::u16string FetchHintText(std::int32_t id, std::u16string_view def) const;

  const std::string& TextPrefix() const { return prefix_; }
  void SetTextPrefix(std::string p) { prefix_ = std::move(p); }
  std::int32_t LastTextId() const { return lastTextId_; }
  const std::u16string& LastText() const { return lastText_; }

 private:
  plat::CodePage& cp_;
  std::optional<std::vector<std::u16string>> table_;
  std::string prefix_;
  std::int32_t lastTextId_ = 0;
  std::u16string lastText_;
};

}  // namespace setup
