#include <gtest/gtest.h>

#include "Errors.h"
#include "InstallerProgram.h"
#include "SimWorld.h"

namespace setup {
namespace {

using testing::Utf16Le;

TEST(InstallerProgram, RunsTheStartUpInOrder) {
  testing::SimWorld w;
  w.resources.Library(u"TWLanguage.dll", {{u"LANGUAGES", Utf16Le(u"ENG_00000604=Install")}});
  w.fs.Put(u"C:\\src\\Signature.dll",
           "<?xml version=\"1.0\" encoding=\"GB2312\"?><Signature><FONT><Language>ENG_"
           "</Language></FONT></Signature>");
  w.fs.Put(u"C:\\src\\Configure.ini", "[FORM]\r\n");
  w.fs.Put(u"C:\\src\\Setup.Lst", "\\a\r\n");
  InstallerProgram p(w.ports, SetupHost{});
  p.Start();
  EXPECT_EQ(p.State().sourceDir, u"C:\\src");
  Form& form = p.BuildDialog();
  EXPECT_EQ(p.Texts().TextPrefix(), "ENG_");
  p.Show();
  EXPECT_EQ(form.Get("Button2").Caption(), u"Install");
  EXPECT_TRUE(w.dialogs.Errors().empty());
  p.Destroy();
  EXPECT_EQ(w.resources.Loaded(), 0);
}

TEST(InstallerProgram, MissingLanguageResourceStopsBeforeAnyWindow) {
  testing::SimWorld w;
  w.resources.Library(u"TWLanguage.dll");
  InstallerProgram p(w.ports, SetupHost{});
  EXPECT_THROW(p.Start(), PlatformError);
}

TEST(InstallerProgram, BrokenSettingsFileIsReportedAndNothingCanBeInstalled) {
  testing::SimWorld w;
  std::string broken = "<Signature><FONT>";
  w.fs.Put(u"C:\\src\\Signature.dll", broken);
  w.fs.Put(u"C:\\src\\Configure.ini", "[FORM]\r\n");
  InstallerProgram p(w.ports, SetupHost{});
  p.Start();
  Form& form = p.BuildDialog();
  p.Show();
  ASSERT_EQ(w.dialogs.Errors().size(), 2u);  // the parse error, then the first show's
  EXPECT_FALSE(form.Get("Button2").Enabled());
  EXPECT_FALSE(form.Get("Button1").Enabled());
  p.Destroy();
  EXPECT_EQ(w.fs.Bytes(u"C:\\src\\Signature.dll"), broken);  // never overwritten
}

}  // namespace
}  // namespace setup
