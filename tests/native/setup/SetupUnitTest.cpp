#include <gtest/gtest.h>

#include "Errors.h"
#include "SetupForm.h"
#include "SetupUnit.h"
#include "SimWorld.h"

namespace setup {
namespace {

using testing::Utf16Le;

constexpr char kUninstall[] =
    "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quillmark ";

struct Startup : ::testing::Test {
  testing::SimWorld w;
  TextTable texts{w.cp};
  InstallerState state;
  std::unique_ptr<Form> form = BuildSetupForm();
  int terminated = 0;
  int installs = 0;
  std::unique_ptr<TSetupFrm> frm;

  void SetUp() override {
    state.sourceDir = FolderOf(w.system.ProgramPath());
    w.registry.PutText("HKLM\\Software\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir",
                       "C:\\Program Files");
    texts.LoadFromBytes(
        Utf16Le(u"GBC_00000600=Quillmark\r\nGBC_00000601= Setup\r\nGBC_00000603=Browse\r\n"
                u"GBC_00000604=Install\r\nGBC_00000613=missing: \r\nGBC_0000060C=no copy \r\n"
                u"GBC_00000605=Cancel\r\n"
                u"GBC_00000614=no Configure.ini"));
  }
  void Ini(std::u16string text) { w.fs.Put(u"C:\\src\\Configure.ini", Utf16Le(text)); }
  void List() { w.fs.Put(u"C:\\src\\Setup.Lst", "\\a.dll\r\n"); }
  void Run() {
    frm = std::make_unique<TSetupFrm>(w.ports, texts, state, *form,
                                      SetupHost{[this] { ++terminated; }, [this] { ++installs; }});
    RunHandler(w.ports, [&] { frm->FormCreate(); });
    RunHandler(w.ports, [&] { frm->FormShow(); });
  }
  bool Enabled(const char* name) { return form->Get(name).Enabled(); }
  std::u16string Path() { return form->Get("LbPath").Text(); }
};

TEST_F(Startup, NewInstallation) {
  Ini(u"[FORM]\r\nTitle=My Title\r\nSoftName=Quill\r\nDefaultDir=Quillmark\r\n"
      u"CopyRightVisible=0\r\n");
  List();
  Run();
  EXPECT_EQ(form->Caption(), u"My Title");
  EXPECT_EQ(form->Get("LbProducts").Caption(), u"[Quill]");
  EXPECT_EQ(form->Get("Button2").Caption(), u"Install");
  EXPECT_EQ(Path(), u"C:\\Program Files\\Quillmark");
  EXPECT_EQ(state.installDir, u"C:\\Program Files\\Quillmark");
  EXPECT_TRUE(Enabled("Button1") && Enabled("Button2") && Enabled("Button3"));
  ASSERT_NE(frm->FileList(), nullptr);
  EXPECT_EQ(*frm->FileList(), std::vector<std::u16string>{u"\\a.dll"});
  EXPECT_EQ(form->Get("Button1").GetFont().color, 3878553u);
  EXPECT_EQ(form->Get("Label3").GetFont().color, 8421504u);
  EXPECT_FALSE(form->Get("Label2").Visible());
  EXPECT_EQ(form->GetFont().name, u"宋体");
  EXPECT_EQ(form->GetFont().size, 9);
  EXPECT_EQ(installs, 0);
  EXPECT_TRUE(w.dialogs.Boxes().empty());
  EXPECT_TRUE(w.dialogs.Errors().empty());
  EXPECT_EQ(texts.TextPrefix(), "GBC_");
  // The fresh settings file is written when the dialog goes.
  frm->FormDestroy();
  EXPECT_TRUE(w.fs.FileExists(u"C:\\src\\Signature.dll"));
}

TEST_F(Startup, AbsentKeysAndAutoRun) {
  Ini(u"[FORM]\r\nAutoRun=1\r\n");
  List();
  Run();
  EXPECT_EQ(form->Caption(), u"");
  EXPECT_EQ(form->Get("LbProducts").Caption(), u"[]");
  EXPECT_EQ(Path(), u"C:\\Program Files\\");
  EXPECT_TRUE(form->Get("Label2").Visible());
  EXPECT_EQ(installs, 1);
}

TEST_F(Startup, AutoRunDoesNotClickADisabledInstall) {
  Ini(u"[FORM]\r\nAutoRun=TRUE\r\nUpdate=TRUE\r\n");
  List();
  Run();
  EXPECT_FALSE(Enabled("Button2"));
  EXPECT_EQ(installs, 0);
}

TEST_F(Startup, BooleanErrorSkipsTheRest) {
  Ini(u"[FORM]\r\nAutoRun=yes\r\nSoftName=S\r\n");
  List();
  Run();
  ASSERT_EQ(w.dialogs.Errors().size(), 1u);
  EXPECT_EQ(w.dialogs.Errors()[0], u"'yes' is not a valid boolean value");
  EXPECT_EQ(Path(), u"");
  EXPECT_EQ(frm->FileList(), nullptr);
  EXPECT_FALSE(w.fs.FileExists(u"C:\\src\\TWError.txt"));  // the error display leaves no record
}

TEST_F(Startup, ConfigureIniMissing) {
  List();
  Run();
  ASSERT_EQ(w.dialogs.Boxes().size(), 1u);
  EXPECT_EQ(w.dialogs.Boxes()[0].text, u"no Configure.ini");
  EXPECT_EQ(w.dialogs.Boxes()[0].flags, 0u);
  EXPECT_EQ(w.fs.Bytes(u"C:\\src\\TWError.txt"),
            Utf16Le(u"ERRORID=1556\r\nERRORTEXT=no Configure.ini\r\n"));
  EXPECT_EQ(form->Caption(), u"Quillmark Setup");
  EXPECT_EQ(Path(), u"");
  EXPECT_FALSE(Enabled("Button1"));
  EXPECT_FALSE(Enabled("Button2"));
  EXPECT_TRUE(Enabled("Button3"));
  EXPECT_EQ(state.configIni, nullptr);
}

TEST_F(Startup, SetupLstMissing) {
  Ini(u"[FORM]\r\nDefaultDir=Q\r\n");
  Run();
  ASSERT_EQ(w.dialogs.Boxes().size(), 1u);
  EXPECT_EQ(w.dialogs.Boxes()[0].text, u"missing: Setup.Lst!");
  EXPECT_EQ(w.fs.Bytes(u"C:\\src\\TWError.txt"),
            Utf16Le(u"ERRORID=1555\r\nERRORTEXT=missing: \r\n"));
  EXPECT_FALSE(Enabled("Button1"));
  EXPECT_FALSE(Enabled("Button2"));
  EXPECT_TRUE(Enabled("Button3"));
  EXPECT_EQ(Path(), u"C:\\Program Files\\Q");
  EXPECT_EQ(form->Get("Button1").GetFont().color, 3878553u);  // the rest still happens
}

TEST_F(Startup, UpdateModeWithAndWithoutACopy) {
  struct Case {
    const char16_t* update;
    bool copy;
    bool browse, install;
    const char16_t* path;
  } cases[] = {
      {u"true", true, false, true, u"C:\\Q\\"},
      {u"TRUE", false, false, false, u"no copy [S]"},
      {u"1", true, true, true, u"C:\\Program Files\\"},  // "1" is not update mode
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.update, c.update + std::char_traits<char16_t>::length(c.update)));
    form = BuildSetupForm();
    w.dialogs = sim::SimDialogs();
    w.registry.PutText(kUninstall + std::string("6.5"), "App Path", "C:\\Q");
    if (!c.copy)
      w.registry.DeleteKey(
          plat::kLocalMachine,
          "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quillmark 6.5");
    Ini(u"[FORM]\r\nSoftName=S\r\nVersion=7.0;6.5\r\nUpdate=" + std::u16string(c.update));
    List();
    Run();
    EXPECT_EQ(Path(), c.path);
    EXPECT_EQ(Enabled("Button1"), c.browse);
    EXPECT_EQ(Enabled("Button2"), c.install);
    EXPECT_TRUE(w.dialogs.Boxes().empty());
  }
}

TEST_F(Startup, InstalledCopyWhenNotOverwriting) {
  w.registry.PutText(kUninstall + std::string("7.0"), "App Path", "C:\\Old/");
  w.fs.MakeDirectory(u"C:\\Old");
  Ini(u"[FORM]\r\nOverwrite=false\r\n");
  List();
  Run();
  EXPECT_EQ(Path(), u"C:\\Old/");  // a "/" ending gets no "\"
  EXPECT_TRUE(Enabled("Button1"));
}

TEST_F(Startup, MarkerFileEndsTheInstallerAfterThePrograms) {
  w.registry.PutText(kUninstall + std::string("7.0"), "App Path", "C:\\Old");
  w.fs.Put(u"C:\\Old\\TW_SIGN_MAIN.libx", "");
  w.fs.Put(u"C:\\src\\pre.exe", "MZ");
  // With Overwrite true (the default) the copy is ignored and no marker test is made.
  Ini(u"[FORM]\r\n[SETUPBEFORERUN]\r\nRUN0=\\pre.exe\r\n");
  List();
  Run();
  EXPECT_EQ(terminated, 0);
  EXPECT_EQ(Path(), u"C:\\Program Files\\");

  form = BuildSetupForm();
  Ini(u"[FORM]\r\nOverwrite=0\r\n[SETUPBEFORERUN]\r\nRUN0=\\pre.exe\r\n");
  Run();
  EXPECT_EQ(terminated, 1);
  EXPECT_EQ(w.processes.Starts().size(), 2u);  // the program ran before the end
  EXPECT_EQ(Path(), u"");
  EXPECT_TRUE(w.dialogs.Boxes().empty());
}

TEST_F(Startup, NonStringRegistryValueIsReported) {
  w.registry.PutDword("HKLM\\Software\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir", 1);
  Ini(u"[FORM]\r\n");
  List();
  Run();
  ASSERT_EQ(w.dialogs.Errors().size(), 1u);
  EXPECT_EQ(w.dialogs.Errors()[0], u"Invalid data type for 'ProgramFilesDir'");
  EXPECT_EQ(frm->FileList(), nullptr);
}

TEST_F(Startup, ProgramsBeforeSetup) {
  w.fs.Put(u"C:\\src\\a.exe", "MZ");
  w.fs.Put(u"C:\\src\\b.exe", "MZ");
  w.fs.Put(u"C:\\src\\Scourby.exe", "MZ");
  w.processes.Program(u"C:\\src\\a.exe", 3);
  Ini(u"[SETUPBEFORERUN]\r\nRUN0=\\a.exe;\r\nRUN1=\\b.exe;/s /t\r\nRUN2=\\a.exe;/S\r\n"
      u"RUN3=\\missing.exe\r\nRUN4=\\missing.exe;\r\nRUN6=\\b.exe\r\n");
  List();
  Run();
  const auto& s = w.processes.Starts();
  ASSERT_EQ(s.size(), 4u);
  EXPECT_EQ(s[0].commandLine, u"C:\\src\\Scourby.exe");  // at creation, hidden
  EXPECT_EQ(s[0].show, 0);
  EXPECT_EQ(s[1].commandLine, u"C:\\src\\a.exe");
  EXPECT_EQ(s[1].show, 5);
  EXPECT_EQ(s[2].commandLine, u"C:\\TEMP\\~ttt.tmp");
  EXPECT_EQ(s[2].show, 0);
  EXPECT_EQ(w.fs.Bytes(u"C:\\TEMP\\~ttt.tmp"), "MZ");
  EXPECT_EQ(s[3].commandLine, u"C:\\src\\a.exe");  // "/S" is not "/s"
  EXPECT_EQ(s[3].show, 5);
  // RUN3 does not exist and is skipped; RUN4 fails to start; RUN5 is empty and
  // names the folder itself; RUN6 is beyond the key count.
}

TEST_F(Startup, RunAndWaitResults) {
  w.fs.Put(u"C:\\src\\x.exe", "MZ");
  w.processes.Program(u"C:\\src\\x.exe", 0xFFFFFFFEu);
  EXPECT_EQ(RunAndWait(w.ports, u"C:\\src\\x.exe arg", 5), -2);
  EXPECT_EQ(RunAndWait(w.ports, u"C:\\src\\none.exe", 5), -1);
}

TEST_F(Startup, FindInstalledPathStopsAtTheFirstEmptyPart) {
  w.registry.PutText(kUninstall + std::string("6.0"), "App Path", "C:\\Six");
  w.registry.PutTextW(kUninstall + std::string("7.0"), "Other", u"x");
  frm = std::make_unique<TSetupFrm>(w.ports, texts, state, *form, SetupHost{});
  EXPECT_EQ(frm->FindInstalledPath(u"7.0;;6.0"), u"");  // 7.0 opens: stops, value absent
  EXPECT_EQ(frm->FindInstalledPath(u"5.0;;6.0"), u"");
  EXPECT_EQ(frm->FindInstalledPath(u"5.0;6.0"), u"C:\\Six\\");
  EXPECT_EQ(w.registry.OpenHandles(), 0u);
}

}  // namespace
}  // namespace setup
