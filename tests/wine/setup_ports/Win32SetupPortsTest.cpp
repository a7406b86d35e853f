#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "Convert.h"
#include "IniFile.h"
#include "Win32CodePage.h"
#include "Win32FileSystem.h"
#include "Win32PrivateProfile.h"
#include "Win32Processes.h"
#include "Win32Resources.h"
#include "Win32SystemInfo.h"
#include "Win32Wide.h"
#include "Win32Xml.h"
#include "XmlCodec.h"

namespace {

std::u16string TempFolder() {
  win::Win32SystemInfo sys;
  std::u16string t = sys.TempDirectory();
  return t + u"qm-setup-ports-" + std::u16string(u"1");
}

struct Folder {
  std::u16string path = TempFolder();
  Folder() { CreateDirectoryW(win::W(path).c_str(), nullptr); }
  std::u16string operator/(std::u16string_view name) const {
    return path + u"\\" + std::u16string(name);
  }
};

std::string Utf16Le(std::u16string_view s) {
  std::string out = "\xFF\xFE";
  for (char16_t c : s) {
    out.push_back(static_cast<char>(c & 0xFF));
    out.push_back(static_cast<char>(c >> 8));
  }
  return out;
}

TEST(Win32SetupPorts, FilesAndProfileStrings) {
  Folder dir;
  win::Win32FileSystem fs;
  win::Win32PrivateProfile profile;
  std::u16string ini = dir / u"Configure.ini";
  ASSERT_EQ(
      fs.WriteAll(ini,
                  Utf16Le(u"[FORM]\r\nTitle = 安装 \r\n[SETUPBEFORERUN]\r\nRUN0=a\r\nRUN2=c\r\n")),
      0u);
  EXPECT_TRUE(fs.FileExists(ini));
  EXPECT_FALSE(fs.FileExists(dir.path));
  EXPECT_TRUE(fs.DirectoryExists(dir.path));
  setup::IniFile reader(profile, ini);
  EXPECT_EQ(reader.ReadString(u"form", u"title", u""), u"安装");
  EXPECT_EQ(reader.ReadString(u"FORM", u"none", u"d"), u"d");
  EXPECT_EQ(reader.ReadNumbered(u"SETUPBEFORERUN", u"RUN"),
            (std::vector<std::u16string>{u"a", u""}));
  std::u16string longValue(3000, u'v');
  ASSERT_EQ(fs.WriteAll(ini, Utf16Le(u"[S]\r\nK=" + longValue + u"\r\n")), 0u);
  EXPECT_EQ(reader.ReadString(u"S", u"K", u"").size(), 2047u);
  EXPECT_TRUE(fs.CopyTo(ini, dir / u"copy.ini", false));
  EXPECT_EQ(fs.ReadAll(dir / u"copy.ini"), fs.ReadAll(ini));
}

TEST(Win32SetupPorts, ProcessesAndLibraries) {
  win::Win32Processes proc;
  EXPECT_FALSE(proc.StartAndWait(u"C:\\no\\such\\program.exe", 0).has_value());
  win::Win32SystemInfo sys;
  auto code = proc.StartAndWait(sys.SystemDirectory() + u"\\cmd.exe /c exit 3", 0);
  ASSERT_TRUE(code.has_value());
  EXPECT_EQ(*code, 3u);
  win::Win32Resources res;
  EXPECT_EQ(res.LoadResourceLibrary(u"NoSuchLanguageLibrary.dll"), 0u);
  plat::UniqueModule kernel(res, res.LoadResourceLibrary(u"kernel32.dll"));
  ASSERT_TRUE(kernel);
  EXPECT_FALSE(res.RcData(kernel.get(), u"LANGUAGES").has_value());
}

TEST(Win32SetupPorts, LongPathAndVersion) {
  win::Win32SystemInfo sys;
  std::u16string out;
  Folder dir;
  auto n = sys.LongPathName(dir.path, out, 260);
  ASSERT_TRUE(n.has_value());
  EXPECT_GT(*n, 0u);
  EXPECT_EQ(sys.LongPathName(u"C:\\no\\such\\folder", out, 260), 0u);
  EXPECT_EQ(sys.QueryVersion().platformId, 2u);
  EXPECT_GT(sys.ScreenPixelsPerInchY(), 0);
}

TEST(Win32SetupPorts, MsxmlSeesUnicodeOnlyAndGb2312RoundTrips) {
  win::Win32CodePage cp;
  win::Win32XmlParser parser;
  std::u16string text =
      u"<?xml version=\"1.0\" encoding=\"GB2312\" standalone=\"yes\"?>\r\n"
      u"<Signature><FONT><FontName>宋体</FontName><Bad><b/></Bad><Empty></Empty></FONT></"
      u"Signature>";
  std::string bytes = cp.FromUtf16(936, text).value();
  setup::DecodedXml decoded = setup::DecodeXmlBytes(bytes, cp);
  auto doc = parser.ParseText(decoded.markup);
  plat::XmlElement font = doc->FindChild(doc->Root(), u"FONT");
  ASSERT_NE(font, 0u);
  EXPECT_EQ(doc->TextOf(doc->FindChild(font, u"FontName")), u"宋体");
  EXPECT_FALSE(doc->TextOf(doc->FindChild(font, u"Bad")).has_value());
  EXPECT_EQ(doc->TextOf(doc->FindChild(font, u"Empty")), u"");
  EXPECT_EQ(doc->FindChild(font, u"fontname"), 0u);
  plat::XmlElement added = doc->AppendChild(font, u"CharSet");
  EXPECT_EQ(doc->TextOf(added), u"");
  std::string saved = setup::EncodeXml(decoded.declaration, doc->SerializeNodes(), cp);
  EXPECT_EQ(saved.rfind("<?xml version=\"1.0\" encoding=\"GB2312\" standalone=\"yes\"?>", 0), 0u);
  EXPECT_NE(saved.find(cp.FromUtf16(936, u"<FontName>宋体</FontName>").value()), std::string::npos)
      << saved;
  EXPECT_THROW(parser.ParseText(u"<Signature><FONT>"), plat::XmlError);
}

}  // namespace
