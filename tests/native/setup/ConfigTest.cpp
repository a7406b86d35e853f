#include <gtest/gtest.h>

#include "Convert.h"
#include "Errors.h"
#include "IniFile.h"
#include "SimWorld.h"
#include "WideStrings.h"

namespace setup {
namespace {

using testing::SimWorld;
using testing::Utf16Le;

constexpr char16_t kIni[] = u"C:\\src\\Configure.ini";

TEST(Config, ProfileRulesInBothEncodings) {
  std::u16string text =
      u"[FORM]\r\nTitle = 安装程序 \r\nSoftName=\"Quill\"\r\nflag\r\n[SETUPBEFORERUN]\r\n"
      u"RUN0=\\a.exe\r\nRUN2=\\c.exe\r\n[form]\r\nTitle=second section\r\n";
  SimWorld w;
  for (const auto& bytes : {Utf16Le(text), w.cp.FromUtf16(936, text).value()}) {
    w.fs.Put(kIni, bytes);
    IniFile ini(w.profile, kIni);
    EXPECT_EQ(ini.ReadString(u"form", u"TITLE", u"d"), u"安装程序");
    EXPECT_EQ(ini.ReadString(u"FORM", u"SoftName", u""), u"Quill");
    EXPECT_EQ(ini.ReadString(u"FORM", u"Missing", u"dflt"), u"dflt");
    EXPECT_EQ(ini.ReadSection(u"FORM"),
              (std::vector<std::u16string>{u"Title", u"SoftName", u"flag"}));
    // Two keys counted: RUN0 and RUN1 are read, RUN2 never.
    EXPECT_EQ(ini.ReadNumbered(u"SETUPBEFORERUN", u"RUN"),
              (std::vector<std::u16string>{u"\\a.exe", u""}));
  }
}

TEST(Config, BuffersAreBounded) {
  SimWorld w;
  std::u16string longValue(5000, u'v');
  std::u16string text = u"[S]\r\nK=" + longValue + u"\r\n[MANY]\r\n";
  for (int i = 0; i < 4000; ++i)
    text += u"KEY" + std::u16string(1, u'a' + i % 26) + u"_" + u"0123456789" + u"=\r\n";
  w.fs.Put(kIni, Utf16Le(text));
  IniFile ini(w.profile, kIni);
  EXPECT_EQ(ini.ReadString(u"S", u"K", u"").size(), 2047u);
  auto keys = ini.ReadSection(u"MANY");
  std::size_t chars = 0;
  for (const auto& k : keys) chars += k.size() + 1;
  EXPECT_LE(chars + 1, 32768u);
  EXPECT_GT(keys.size(), 2000u);
}

TEST(Config, BooleanRule) {
  struct Case {
    const char16_t* text;
    bool value;
  } ok[] = {{u"1", true},    {u"0", false},   {u"-2", true},     {u"0.0", false},
            {u"TRUE", true}, {u"true", true}, {u"False", false}, {u"fALSE", false}};
  for (const auto& c : ok) EXPECT_EQ(TextToBool(c.text), c.value);
  for (auto bad : {u"yes", u"", u"T", u"1x"}) {
    try {
      TextToBool(bad);
      ADD_FAILURE() << "no error";
    } catch (const PlatformError& e) {
      EXPECT_EQ(e.Text(), u"'" + std::u16string(bad) + u"' is not a valid boolean value");
    }
  }
}

TEST(Config, FileListEncodingsGiveTheSameLines) {
  SimWorld w;
  std::u16string text = u"\\文件.dll\r\n%WinDir%\\a.ocx\n\r%WinDir%|\\x\\b.dll\r\n";
  std::vector<std::u16string> expected = {u"\\文件.dll", u"%WinDir%\\a.ocx", u"",
                                          u"%WinDir%|\\x\\b.dll"};
  std::string utf8 = w.cp.FromUtf16(plat::kCpUtf8, text).value();
  for (const auto& bytes : {Utf16Le(text), testing::Utf16Be(text), "\xEF\xBB\xBF" + utf8,
                            w.cp.FromUtf16(936, text).value()})
    EXPECT_EQ(LoadWideLines(bytes, w.cp), expected);
  EXPECT_TRUE(LoadWideLines("", w.cp).empty());
  EXPECT_EQ(LoadWideLines("a", w.cp), std::vector<std::u16string>{u"a"});
}

}  // namespace
}  // namespace setup
