#pragma once
// The XML document service natively, over libxml2. Markup crosses as UTF-16;
// libxml2 is told the bytes it gets are UTF-8, so no declared encoding is
// ever applied by it.
#include "SimCodePage.h"
#include "platform/Xml.h"

namespace sim {

class SimXmlParser : public plat::XmlParser {
 public:
  explicit SimXmlParser(SimCodePage& cp) : cp_(cp) {}
  std::unique_ptr<plat::XmlDocument> ParseText(std::u16string_view text) override;

 private:
  SimCodePage& cp_;
};

}  // namespace sim
