#pragma once
// The product's XML settings file: opened, or built with its default content
// when missing, and the four values the installer reads from FONT.
#include <cstdint>
#include <memory>
#include <string>

#include "Ports.h"
#include "XmlCodec.h"

namespace setup {

// The 37 lines of a fresh settings file.
std::u16string DefaultSettingsContent();

class TXMLParams {
 public:
  // Throws plat::XmlError when an existing file does not parse.
  TXMLParams(Ports& ports, std::u16string fileName);
  TXMLParams(const TXMLParams&) = delete;
  TXMLParams& operator=(const TXMLParams&) = delete;

  // Saves a freshly built document (in its declared encoding) and frees it.
  // Throws the save error; the document is freed in every case.
  void Release();

  std::u16string GetLanguage();
  std::u16string GetFontName();
  std::int32_t GetFontSize();
  std::int32_t GetCharSet();
  bool Created() const { return fCreated_; }

 private:
  std::u16string ReadFontValue(std::u16string_view name);

  Ports& ports_;
  std::u16string fFileName_;
  XmlDeclaration declaration_;
  std::unique_ptr<plat::XmlDocument> fDocument_;
  plat::XmlElement fRoot_ = 0;
  bool fCreated_ = false;
};

}  // namespace setup
