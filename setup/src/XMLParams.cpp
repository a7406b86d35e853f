#include "XMLParams.h"

#include "Convert.h"

namespace setup {

std::u16string DefaultSettingsContent() {
  static const char16_t* const kLines[] = {
      u"<?xml version=\"1.0\" encoding=\"GB2312\" standalone=\"yes\"?>",
      u"<Signature>",
      u"<FONT>",
      u"<Language>GBC_</Language>",
      u"<FontName>宋体</FontName>",
      u"<FontSize>9</FontSize>",
      u"<CharSet>1</CharSet>",
      u"</FONT>",
      u"<PARAMS>",
      u"<ProtectDocument>TRUE</ProtectDocument>",
      u"<PrintVisible>TRUE</PrintVisible>",
      u"<ShowDateTime Format=\"yyyy-mm-dd hh:nn:ss\">FALSE</ShowDateTime>",
      u"<AutoDigital>TRUE</AutoDigital>",
      u"<CSPName>M___W eKey XCSP</CSPName>",
      u"</PARAMS>",
      u"<HANDWRITE>",
      u"<WordFont Name=\"宋体\" Size=\"14\" Color=\"255\">",
      u"<fsBold>True</fsBold>",
      u"<fsItalic>False</fsItalic>",
      u"<fsUnderline>False</fsUnderline>",
      u"<fsStrikeOut>False</fsStrikeOut>",
      u"</WordFont>",
      u"<HandPen Width=\"1\" Color=\"255\" Trans=\"100\">",
      u"<PenWidth>一线</PenWidth>",
      u"<PenWidth>二线</PenWidth>",
      u"<PenWidth>三线</PenWidth>",
      u"<PenWidth>四线</PenWidth>",
      u"<PenWidth>五线</PenWidth>",
      u"</HandPen>",
      u"<USUALLYS>",
      u"</USUALLYS>",
      u"</HANDWRITE>",
      u"<CERTVERIFY>",
      u"<RootVerify FileName=\"\">True</RootVerify>",
      u"<CRLVerify FileName=\"\">True</CRLVerify>",
      u"</CERTVERIFY>",
      u"</Signature>",
  };
  std::u16string out;
  for (std::size_t i = 0; i < std::size(kLines); ++i) {
    if (i > 0) out += u"\r\n";
    out += kLines[i];
  }
  return out;
}

TXMLParams::TXMLParams(Ports& ports, std::u16string fileName)
    : ports_(ports), fFileName_(std::move(fileName)) {
  DecodedXml decoded;
  if (ports_.files.FileExists(fFileName_)) {
    auto bytes = ports_.files.ReadAll(fFileName_);
    if (!bytes) throw plat::XmlError("The settings file cannot be read");
    decoded = DecodeXmlBytes(*bytes, ports_.codePage);
    fCreated_ = false;
  } else {
    fCreated_ = true;
    decoded = SplitDeclaration(DefaultSettingsContent());
  }
  declaration_ = decoded.declaration;
  fDocument_ = ports_.xml.ParseText(decoded.markup);
  fRoot_ = fDocument_->Root();
  if (fRoot_ == 0) throw plat::XmlError("The document has no root element");
}

void TXMLParams::Release() {
  if (!fDocument_) return;
  std::unique_ptr<plat::XmlDocument> doc = std::move(fDocument_);
  fRoot_ = 0;
  if (!fCreated_) return;
  std::string bytes = EncodeXml(declaration_, doc->SerializeNodes(), ports_.codePage);
  std::uint32_t rc = ports_.files.WriteAll(fFileName_, bytes);
  if (rc != 0)
    throw plat::XmlError("The settings file cannot be saved (error " + std::to_string(rc) + ")");
}

std::u16string TXMLParams::ReadFontValue(std::u16string_view name) {
  if (!fDocument_) throw plat::XmlError("The settings document has been released");
  plat::XmlElement font = fDocument_->FindChild(fRoot_, u"FONT");
  if (font == 0) font = fDocument_->AppendChild(fRoot_, u"FONT");
  plat::XmlElement e = fDocument_->FindChild(font, name);
  if (e == 0) e = fDocument_->AppendChild(font, name);
  auto text = fDocument_->TextOf(e);
  if (!text) throw plat::XmlError("Element does not contain a single text node");
  return *text;
}

std::u16string TXMLParams::GetLanguage() {
  std::u16string v = ReadFontValue(u"Language");
  return v.empty() ? u"GBC_" : v;
}

std::u16string TXMLParams::GetFontName() {
  std::u16string v = ReadFontValue(u"FontName");
  return v.empty() ? u"宋体" : v;
}

std::int32_t TXMLParams::GetFontSize() {
  return TextToInt(ReadFontValue(u"FontSize")).value_or(9);
}

std::int32_t TXMLParams::GetCharSet() {
  return TextToInt(ReadFontValue(u"CharSet")).value_or(134);
}

}  // namespace setup
