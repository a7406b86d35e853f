#pragma once
// The XML document service on Windows: the system's MSXML DOMDocument over
// COM. Markup is handed over as a UTF-16 string (loadXML) and read back as
// one (the nodes' xml), so MSXML never applies a declared encoding.
#include "platform/Xml.h"

namespace win {

class Win32XmlParser : public plat::XmlParser {
 public:
  Win32XmlParser();
  ~Win32XmlParser() override;
  Win32XmlParser(const Win32XmlParser&) = delete;
  Win32XmlParser& operator=(const Win32XmlParser&) = delete;

  std::unique_ptr<plat::XmlDocument> ParseText(std::u16string_view text) override;

 private:
  bool comInitialised_ = false;
};

}  // namespace win
