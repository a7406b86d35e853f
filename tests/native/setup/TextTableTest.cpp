#include <gtest/gtest.h>

#include "Errors.h"
#include "SimWorld.h"
#include "TextTable.h"

namespace setup {
namespace {

using testing::SimWorld;

const std::u16string kTable =
    u"GBC_00000604=安装\r\n"
    u"gbc_00000605=second\n"
    u"GBC_604=short key\r"
    u"\r\n"
    u"GBC_00000606=a#13#10b\u2028"
    u"GBC_00000607=#13#10#13#10\r\n"
    u"GBC_00000608=\r\n"
    u"GBC_00000609 = blank name\r\n"
    u"GBC_0000060A=a=b\r\n"
    u"no entry here\r\n"
    u"GBC_00000604=duplicate\r\n"
    u"GBC_HINT_00000604=hint\r\n"
    u"GBC_FFFFFFFF=minus one";

TEST(TextTable, KeysAreEightUpperCaseHexDigits) {
  EXPECT_EQ(TextKeyDigits(1539), "00000603");
  EXPECT_EQ(TextKeyDigits(-1), "FFFFFFFF");
  EXPECT_EQ(TextKeyDigits(0xABCDEF), "00ABCDEF");
}

TEST(TextTable, EveryEncodingGivesTheSameLookups) {
  SimWorld w;
  std::string utf8 = w.cp.FromUtf16(plat::kCpUtf8, kTable).value();
  // The line separator U+2028 has no ANSI form; the ANSI table uses CR LF there.
  std::u16string ansiTable = kTable;
  ansiTable.replace(ansiTable.find(u'\u2028'), 1, u"\r\n");
  std::string gbk = w.cp.FromUtf16(936, ansiTable).value();
  struct Case {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"utf16le", testing::Utf16Le(kTable)},
      {"utf16be", testing::Utf16Be(kTable)},
      {"utf8", "\xEF\xBB\xBF" + utf8},
      {"ansi", gbk},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TextTable t(w.cp);
    t.LoadFromBytes(c.bytes);
    EXPECT_EQ(t.LookupText(1540, "GBC_"), u"安装");
    EXPECT_EQ(t.LookupText(1541, "GBC_"), u"second");  // name compared without case
    EXPECT_EQ(t.LookupText(1542, "GBC_"), u"a\r\nb");
    EXPECT_EQ(t.LookupText(1543, "GBC_"), u"\r\n\r\n");
    EXPECT_EQ(t.LookupText(1544, "GBC_"), u"");
    EXPECT_EQ(t.LookupText(1545, "GBC_"), u"");  // "name " is not the key
    EXPECT_EQ(t.LookupText(1546, "GBC_"), u"a=b");
    EXPECT_EQ(t.LookupText(-1, "GBC_"), u"minus one");
    EXPECT_EQ(t.LookupText(1540, "GBC_HINT_"), u"hint");
  }
}

TEST(TextTable, FetchFallsBackAndRecordsTheLastText) {
  SimWorld w;
  TextTable t(w.cp);
  t.SetTextPrefix("GBC_");
  EXPECT_EQ(t.FetchText(1540, u"Install"), u"Install");  // no table at all
  EXPECT_EQ(t.LastTextId(), 1540);
  EXPECT_EQ(t.LastText(), u"Install");

  t.LoadFromBytes(testing::Utf16Le(kTable));
  EXPECT_EQ(t.FetchText(1544, u"dflt"), u"dflt");  // empty value -> default
  EXPECT_EQ(t.LastText(), u"dflt");
  // A default is never treated as a table value.
  EXPECT_EQ(t.FetchText(9999, u"x#13#10y"), u"x#13#10y");
  EXPECT_EQ(t.FetchText(1540, u""), u"安装");
  EXPECT_EQ(t.FetchHintText(1540, u"d"), u"hint");
  EXPECT_EQ(t.FetchHintText(1541, u"d"), u"d");
  EXPECT_EQ(t.LastTextId(), 1540);  // hint lookups leave the last text alone
  EXPECT_EQ(t.LastText(), u"安装");
}

TEST(TextTable, LibraryLoading) {
  SimWorld w;
  {
    TextTable t(w.cp);
    t.LoadLanguageTable(w.resources);  // no library: silent
    EXPECT_FALSE(t.Loaded());
  }
  w.resources.Library(u"twlanguage.dll", {{u"LANGUAGES", testing::Utf16Le(kTable)}});
  {
    TextTable t(w.cp);
    t.LoadLanguageTable(w.resources);
    EXPECT_TRUE(t.Loaded());
    EXPECT_EQ(t.LookupText(1540, "GBC_"), u"安装");
    EXPECT_EQ(w.resources.Loaded(), 0);
  }
  w.resources.Library(u"TWLanguage.dll", {{u"OTHER", "x"}});
  TextTable t(w.cp);
  try {
    t.LoadLanguageTable(w.resources);
    FAIL() << "expected the resource-not-found error";
  } catch (const PlatformError& e) {
    EXPECT_EQ(e.Text(), u"Resource LANGUAGES not found");
  }
  EXPECT_EQ(w.resources.Loaded(), 0);  // released on the error path too
}

TEST(TextTable, UndecodableAnsiLinesKeepTheirAscii) {
  SimWorld w;
  TextTable t(w.cp);
  t.LoadFromBytes("GBC_00000604=ok\r\nGBC_00000605=\x81\r\n");
  EXPECT_EQ(t.LookupText(1540, "GBC_"), u"ok");
}

}  // namespace
}  // namespace setup
