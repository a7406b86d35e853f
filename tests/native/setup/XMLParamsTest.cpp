#include <gtest/gtest.h>

#include "Convert.h"
#include "SimWorld.h"
#include "XMLParams.h"

namespace setup {
namespace {

using testing::SimWorld;

constexpr char16_t kFile[] = u"C:\\src\\Signature.dll";

std::string Gbk(SimWorld& w, std::u16string_view s) {
  return w.cp.FromUtf16(936, s).value();
}

std::string FontFile(SimWorld& w, std::u16string_view font) {
  return Gbk(w, u"<?xml version=\"1.0\" encoding=\"GB2312\"?>\r\n<Signature><FONT>" +
                    std::u16string(font) + u"</FONT><PARAMS/></Signature>");
}

TEST(TextToInt, Conversions) {
  struct Case {
    const char16_t* text;
    std::optional<std::int32_t> v;
  } cases[] = {
      {u"9", 9},
      {u"0", 0},
      {u" 12", 12},
      {u"12 ", std::nullopt},
      {u"-7", -7},
      {u"+7", 7},
      {u"$0C", 12},
      {u"x1f", 31},
      {u"0x10", 16},
      {u"-$10", -16},
      {u"abc", std::nullopt},
      {u"", std::nullopt},
      {u"$", std::nullopt},
      {u"2147483647", 2147483647},
      {u"2147483648", std::nullopt},
      {u"-2147483648", -2147483647 - 1},
      {u"$FFFFFFFF", -1},
      {u"１", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.text, c.text + std::char_traits<char16_t>::length(c.text)));
    EXPECT_EQ(TextToInt(c.text), c.v);
  }
}

TEST(XMLParams, MissingFileGivesDefaultsAndIsWrittenInGb2312OnRelease) {
  SimWorld w;
  TXMLParams p(w.ports, kFile);
  EXPECT_TRUE(p.Created());
  EXPECT_EQ(p.GetLanguage(), u"GBC_");
  EXPECT_EQ(p.GetFontName(), u"宋体");
  EXPECT_EQ(p.GetFontSize(), 9);
  EXPECT_EQ(p.GetCharSet(), 1);
  EXPECT_FALSE(w.fs.FileExists(kFile));  // nothing reaches the disk before the release
  p.Release();
  auto bytes = w.fs.Bytes(kFile);
  ASSERT_TRUE(bytes);
  EXPECT_TRUE(bytes->starts_with("<?xml version=\"1.0\" encoding=\"GB2312\" standalone=\"yes\"?>"));
  for (auto piece : {u"<FontName>宋体</FontName>", u"<PenWidth>五线</PenWidth>",
                     u"<ShowDateTime Format=\"yyyy-mm-dd hh:nn:ss\">FALSE</ShowDateTime>",
                     u"<CSPName>M___W eKey XCSP</CSPName>", u"<USUALLYS>"})
    EXPECT_NE(bytes->find(Gbk(w, piece)), std::string::npos) << bytes->substr(0, 400);
  // The written file reads back with the same values.
  TXMLParams again(w.ports, kFile);
  EXPECT_FALSE(again.Created());
  EXPECT_EQ(again.GetFontName(), u"宋体");
  EXPECT_EQ(again.GetCharSet(), 1);
}

TEST(XMLParams, ReadsOfAnExistingFile) {
  struct Case {
    const char16_t* font;
    const char16_t* language;
    const char16_t* fontName;
    std::int32_t size, charset;
  } cases[] = {
      {u"<Language>ENG_</Language><FontName>Tahoma</FontName><FontSize>$0C</FontSize>"
       u"<CharSet>0</CharSet>",
       u"ENG_", u"Tahoma", 12, 0},
      {u"<Language></Language><CharSet>abc</CharSet><FontSize> 10</FontSize>", u"GBC_", u"宋体", 10,
       134},
      {u"<Language> x </Language><CharSet>134 </CharSet><FontSize>10 </FontSize>", u" x ", u"宋体",
       9, 134},
      {u"<Language><![CDATA[CD_]]></Language>", u"CD_", u"宋体", 9, 134},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.font, c.font + 20));
    SimWorld w;
    w.fs.Put(kFile, FontFile(w, c.font));
    TXMLParams p(w.ports, kFile);
    EXPECT_EQ(p.GetLanguage(), c.language);
    EXPECT_EQ(p.GetFontName(), c.fontName);
    EXPECT_EQ(p.GetFontSize(), c.size);
    EXPECT_EQ(p.GetCharSet(), c.charset);
  }
}

TEST(XMLParams, MissingElementsAreAddedInMemoryOnly) {
  SimWorld w;
  std::string original =
      Gbk(w,
          u"<?xml version=\"1.0\" encoding=\"GB2312\"?><Signature><font><Language>X"
          u"</Language></font></Signature>");
  w.fs.Put(kFile, original);
  TXMLParams p(w.ports, kFile);
  EXPECT_EQ(p.GetLanguage(), u"GBC_");  // "font" is not "FONT"
  EXPECT_EQ(p.GetFontSize(), 9);
  EXPECT_EQ(p.GetLanguage(), u"GBC_");  // the added element is found and still empty
  p.Release();
  EXPECT_EQ(w.fs.Bytes(kFile), original);
}

TEST(XMLParams, Errors) {
  SimWorld w;
  w.fs.Put(kFile, "<?xml version=\"1.0\"?><Signature><FONT>");
  EXPECT_THROW(TXMLParams(w.ports, kFile), plat::XmlError);

  w.fs.Put(kFile, FontFile(w, u"<Language><b>x</b></Language><FontName>a<b/>c</FontName>"));
  TXMLParams p(w.ports, kFile);
  EXPECT_THROW(p.GetLanguage(), plat::XmlError);
  EXPECT_THROW(p.GetFontName(), plat::XmlError);
  EXPECT_EQ(p.GetFontSize(), 9);

  // A fresh document that cannot be saved raises on release.
  SimWorld ro;
  ro.fs.SetReadOnly(u"C:\\src");
  TXMLParams fresh(ro.ports, kFile);
  EXPECT_THROW(fresh.Release(), plat::XmlError);
}

TEST(XMLParams, DeclaredEncodingDecidesTheDecoding) {
  SimWorld w;
  std::u16string body = u"<Signature><FONT><FontName>黑体</FontName></FONT></Signature>";
  struct Case {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"gb2312", Gbk(w, u"<?xml version=\"1.0\" encoding=\"gb2312\"?>" + body)},
      {"gbk", Gbk(w, u"<?xml version='1.0' encoding='GBK'?>" + body)},
      {"utf8 default", w.cp.FromUtf16(plat::kCpUtf8, u"<?xml version=\"1.0\"?>" + body).value()},
      {"utf8 bom", "\xEF\xBB\xBF" + w.cp.FromUtf16(plat::kCpUtf8, body).value()},
      {"utf16", testing::Utf16Le(u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>" + body)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    w.fs.Put(kFile, c.bytes);
    TXMLParams p(w.ports, kFile);
    EXPECT_EQ(p.GetFontName(), u"黑体");
  }
  w.fs.Put(kFile, "<?xml version=\"1.0\" encoding=\"EBCDIC-X\"?><Signature/>");
  EXPECT_THROW(TXMLParams(w.ports, kFile), plat::XmlError);
}

}  // namespace
}  // namespace setup
