// The print control in a test browser host of our own: the hidden page
// setup against a real modal dialog, the document commands with the
// template address, the preview size, and hosts that lack a link.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "BrowserHost.h"
#include "Control.h"
#include "CreationWatch.h"

namespace {

using host::BrowserHost;
using host::Control;
using host::CreationWatch;

constexpr GUID kCgidMshtml = {
    0xde4ba900, 0x59ca, 0x11cf, {0x95, 0x92, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
constexpr DWORD kIdmPrint = 27, kIdmPrintPreview = 2003;
constexpr const char* kServerKey = "CLSID\\{CA03A5A8-9890-49BE-BA4A-8C524EB06441}\\InprocServer32";

// The template address expected for the library as the system reports its
// path, converted from the ANSI code page.
std::wstring ExpectedAddressOfLoadedLibrary() {
  HMODULE module = GetModuleHandleW(L"vellora.dll");
  if (module == nullptr) return L"(vellora.dll not loaded)";
  char path[MAX_PATH] = {};
  GetModuleFileNameA(module, path, MAX_PATH);
  wchar_t wide[MAX_PATH] = {};
  MultiByteToWideChar(CP_ACP, 0, path, -1, wide, MAX_PATH);
  return L"res://" + std::wstring(wide) + L"/PT.HTM";
}

std::vector<std::wstring> CallsFrom(const std::vector<std::wstring>& calls, const wchar_t* first) {
  for (auto it = calls.begin(); it != calls.end(); ++it) {
    if (*it == first) return {it, calls.end()};
  }
  return {};
}

// A control sited in a complete host, with the host's creation watch in
// place before the control ever installs its hook.
struct Hosted : ::testing::Test {
  BrowserHost host;
  CreationWatch watch{host.log};

  void SetUp() override { ASSERT_TRUE(watch.installed()); }

  // A fresh control sited in the host.
  static void Site(Control& ctl, BrowserHost& h) {
    ASSERT_EQ(ctl.created(), S_OK) << "is vellora.dll registered?";
    ASSERT_EQ(ctl.Site(&h.site), S_OK);
  }
};

TEST_F(Hosted, PageSetupIsFilledOffScreenAndConfirmedUnseen) {
  {
    Control ctl;
    Site(ctl, host);
    ASSERT_EQ(ctl.PutText(L"paperSize", L"Letter"), S_OK);
    ASSERT_EQ(ctl.PutText(L"paperSource", L"手动送纸"), S_OK);
    ASSERT_EQ(ctl.PutInt(L"orientation", 2), S_OK);
    EXPECT_EQ(ctl.Call(L"Preview"), S_OK);
    EXPECT_EQ(ctl.GetInt(L"orientation"), 2);
  }
  ASSERT_EQ(host.log.calls.front(), L"ExecWB 8 0");
  ASSERT_EQ(host.log.creations.size(), 1u);
  const auto& made = host.log.creations[0];
  EXPECT_GT(made.cx, 0);
  EXPECT_EQ(made.x, -2 * made.cx);

  ASSERT_EQ(host.log.dialogs.size(), 1u);
  const auto& d = host.log.dialogs[0];
  EXPECT_FALSE(d.timedOut);
  EXPECT_TRUE(d.confirmed);
  EXPECT_EQ(d.result, IDOK);
  EXPECT_FALSE(d.painted);
  EXPECT_EQ(d.paper, L"Letter");
  EXPECT_EQ(d.source, L"手动送纸");
  EXPECT_FALSE(d.portrait);
  EXPECT_TRUE(d.landscape);
  EXPECT_TRUE(host.AllReleased());
}

TEST_F(Hosted, OrientationTable) {
  constexpr int kUnset = -100;
  struct Case {
    int orientation;
    bool startLandscape;
    bool endLandscape;
    int after;
  };
  const Case cases[] = {
      {kUnset, false, false, 0}, {kUnset, true, true, 0}, {0, false, false, 0}, {0, true, true, 0},
      {1, false, false, 1},      {1, true, false, 1},     {2, false, true, 2},  {2, true, true, 2},
      {3, false, false, 0},      {3, true, true, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("orientation " + std::to_string(c.orientation) +
                 (c.startLandscape ? " on landscape" : " on portrait"));
    host.log = {};
    host.browser.dialog.startLandscape = c.startLandscape;
    Control ctl;
    Site(ctl, host);
    if (c.orientation != kUnset) {
      ASSERT_EQ(ctl.PutInt(L"orientation", c.orientation), S_OK);
    }
    EXPECT_EQ(ctl.Call(L"Print", true), S_OK);
    ASSERT_EQ(host.log.dialogs.size(), 1u);
    const auto& d = host.log.dialogs[0];
    EXPECT_TRUE(d.confirmed);
    EXPECT_EQ(d.landscape, c.endLandscape);
    EXPECT_EQ(d.portrait, !c.endLandscape);
    EXPECT_EQ(ctl.GetInt(L"orientation"), c.after);
  }
}

TEST_F(Hosted, EmptyPaperTextsLeaveTheDialogsChoice) {
  Control ctl;
  Site(ctl, host);
  EXPECT_EQ(ctl.Call(L"Preview"), S_OK);
  ASSERT_EQ(host.log.dialogs.size(), 1u);
  EXPECT_EQ(host.log.dialogs[0].paper, host::kPapers[0]);
  EXPECT_EQ(host.log.dialogs[0].source, host::kSources[0]);
}

TEST_F(Hosted, CommandsCarryTheTemplateAddress) {
  struct Case {
    const char* what;
    std::function<HRESULT(Control&)> call;
    DWORD id;
    DWORD option;
  };
  const Case cases[] = {
      {"Preview", [](Control& c) { return c.Call(L"Preview"); }, kIdmPrintPreview, 0},
      {"Print(true): no dialog", [](Control& c) { return c.Call(L"Print", true); }, kIdmPrint, 2},
      {"Print(false): dialog", [](Control& c) { return c.Call(L"Print", false); }, kIdmPrint, 1},
      {"Print(): dialog", [](Control& c) { return c.Call(L"Print"); }, kIdmPrint, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    host.log = {};
    Control ctl;
    Site(ctl, host);
    EXPECT_EQ(c.call(ctl), S_OK);
    ASSERT_EQ(host.log.execs.size(), 1u);
    const auto& e = host.log.execs[0];
    EXPECT_TRUE(IsEqualGUID(e.group, kCgidMshtml));
    EXPECT_EQ(e.id, c.id);
    EXPECT_EQ(e.option, c.option);
    EXPECT_EQ(e.inputType, VT_BSTR);
    EXPECT_EQ(e.inputText, ExpectedAddressOfLoadedLibrary());
    EXPECT_FALSE(e.hasOutput);
    // The page setup comes first, the command last.
    ASSERT_FALSE(host.log.calls.empty());
    EXPECT_EQ(host.log.calls.front(), L"ExecWB 8 0");
    EXPECT_EQ(host.log.calls.back(), L"Exec " + std::to_wstring(c.id));
  }
}

TEST_F(Hosted, PreviewTakesThePreviewSizeOnlyWhenBothAreSet) {
  struct Case {
    const char* what;
    int width, height;
    bool print;
    std::vector<std::wstring> calls;  // from get_Document on
    long widthDuring, heightDuring;
  };
  const std::vector<std::wstring> untouched = {L"get_Document", L"Exec 2003"};
  const Case cases[] = {
      {"800 x 600",
       800,
       600,
       false,
       {L"get_Document", L"get_Height", L"get_Width", L"put_Height 600", L"put_Width 800",
        L"Exec 2003", L"put_Height 700", L"put_Width 1000"},
       800,
       600},
      {"800 x 0", 800, 0, false, untouched, 1000, 700},
      {"0 x 600", 0, 600, false, untouched, 1000, 700},
      {"never set", -1, -1, false, untouched, 1000, 700},
      {"print ignores the size", 800, 600, true, {L"get_Document", L"Exec 27"}, 1000, 700},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    host.log = {};
    Control ctl;
    Site(ctl, host);
    if (c.width >= 0) {
      ASSERT_EQ(ctl.PutInt(L"prevWidth", c.width), S_OK);
    }
    if (c.height >= 0) {
      ASSERT_EQ(ctl.PutInt(L"prevHeight", c.height), S_OK);
    }
    EXPECT_EQ(c.print ? ctl.Call(L"Print", true) : ctl.Call(L"Preview"), S_OK);
    EXPECT_EQ(CallsFrom(host.log.calls, L"get_Document"), c.calls);
    ASSERT_EQ(host.log.execs.size(), 1u);
    EXPECT_EQ(host.log.execs[0].widthDuring, c.widthDuring);
    EXPECT_EQ(host.log.execs[0].heightDuring, c.heightDuring);
    EXPECT_EQ(host.browser.width, 1000);
    EXPECT_EQ(host.browser.height, 700);
  }
}

TEST(Unsited, CommandsDoNothingAndSucceed) {
  host::HostLog log;
  CreationWatch watch(log);
  Control ctl;
  ASSERT_EQ(ctl.created(), S_OK) << "is vellora.dll registered?";
  EXPECT_EQ(ctl.Call(L"Preview"), S_OK);
  EXPECT_EQ(ctl.Call(L"Print", true), S_OK);
  EXPECT_EQ(ctl.Call(L"Print", false), S_OK);
  EXPECT_EQ(ctl.Call(L"Print"), S_OK);
  EXPECT_TRUE(log.creations.empty());
}

// Each case takes one link away; the command still succeeds, the steps
// that need the link are left out, and every reference comes back.
TEST(MissingLink, CommandEndsQuietly) {
  struct Case {
    const char* what;
    std::function<void(BrowserHost&)> arrange;
    bool pageSetup;
    bool command;
  };
  const Case cases[] = {
      {"site without container", [](BrowserHost& h) { h.site.container = nullptr; }, true, false},
      {"container without service provider",
       [](BrowserHost& h) { h.container.serviceProvider = false; }, true, false},
      {"container that is no browser", [](BrowserHost& h) { h.container.browserService = false; },
       true, false},
      {"site that is no browser", [](BrowserHost& h) { h.site.browserService = false; }, false,
       true},
      {"host that is no browser",
       [](BrowserHost& h) {
         h.site.browserService = false;
         h.container.browserService = false;
       },
       false, false},
      {"browser without document", [](BrowserHost& h) { h.browser.document = nullptr; }, true,
       false},
      {"document that is not HTML", [](BrowserHost& h) { h.document.html = false; }, true, false},
      {"document without command target", [](BrowserHost& h) { h.document.commandTarget = false; },
       true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    BrowserHost h;
    c.arrange(h);
    {
      CreationWatch watch(h.log);
      Control ctl;
      ASSERT_EQ(ctl.created(), S_OK);
      ASSERT_EQ(ctl.Site(&h.site), S_OK);
      ASSERT_EQ(ctl.PutInt(L"prevWidth", 800), S_OK);
      ASSERT_EQ(ctl.PutInt(L"prevHeight", 600), S_OK);
      EXPECT_EQ(ctl.Call(L"Preview"), S_OK);
      EXPECT_EQ(ctl.Call(L"Print", false), S_OK);
    }
    EXPECT_EQ(h.log.dialogs.size(), c.pageSetup ? 2u : 0u);
    EXPECT_EQ(h.log.creations.size(), c.pageSetup ? 2u : 0u);
    EXPECT_EQ(h.log.execs.size(), c.command ? 2u : 0u);
    if (!c.command) {
      // No command to run: the window keeps its size throughout.
      for (const auto& call : h.log.calls) EXPECT_EQ(call.rfind(L"put_", 0), std::wstring::npos);
    }
    EXPECT_TRUE(h.AllReleased()) << "browser " << h.browser.refs() << ", document "
                                 << h.document.refs() << ", container " << h.container.refs()
                                 << ", site " << h.site.refs();
  }
}

// Replaces the registered library path for the scope and puts it back.
class RegisteredPathOverride {
 public:
  explicit RegisteredPathOverride(const std::wstring& path) {
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, kServerKey, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &key_) !=
        ERROR_SUCCESS) {
      key_ = nullptr;
      return;
    }
    wchar_t old[MAX_PATH] = {};
    DWORD size = sizeof old - sizeof(wchar_t);
    if (RegQueryValueExW(key_, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(old), &size) ==
        ERROR_SUCCESS) {
      old_ = old;
    }
    ok_ = Write(path);
  }
  RegisteredPathOverride(const RegisteredPathOverride&) = delete;
  RegisteredPathOverride& operator=(const RegisteredPathOverride&) = delete;
  ~RegisteredPathOverride() {
    if (key_ == nullptr) return;
    if (!old_.empty()) Write(old_);
    RegCloseKey(key_);
  }
  bool ok() const { return ok_; }

 private:
  bool Write(const std::wstring& v) {
    return RegSetValueExW(key_, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(v.c_str()),
                          static_cast<DWORD>((v.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
  }
  HKEY key_ = nullptr;
  std::wstring old_;
  bool ok_ = false;
};

TEST_F(Hosted, NonAsciiLibraryPathInCodePage936) {
  ASSERT_EQ(GetACP(), 936u) << "run under LANG=zh_CN.UTF-8";
  Control ctl;  // loaded from the real registration first
  Site(ctl, host);
  const std::wstring path = L"C:\\签名软件\\打印\\vellora.dll";
  {
    RegisteredPathOverride override(path);
    ASSERT_TRUE(override.ok());
    EXPECT_EQ(ctl.Call(L"Print", true), S_OK);
  }
  ASSERT_EQ(host.log.execs.size(), 1u);
  EXPECT_EQ(host.log.execs[0].inputText, L"res://" + path + L"/PT.HTM");
}

TEST_F(Hosted, UnregisteredPathGivesTheBareAddress) {
  Control ctl;
  Site(ctl, host);
  {
    RegisteredPathOverride override(L"");
    ASSERT_TRUE(override.ok());
    EXPECT_EQ(ctl.Call(L"Preview"), S_OK);
  }
  ASSERT_EQ(host.log.execs.size(), 1u);
  EXPECT_EQ(host.log.execs[0].inputText, L"res:///PT.HTM");
}

// While one hidden page setup runs, a second one from another browser thread
// is skipped: it opens no dialog and leaves the first run's state alone,
// and its command still runs.
TEST_F(Hosted, SecondPageSetupWhileOneRunsIsSkipped) {
  Control ctl;
  Site(ctl, host);
  ASSERT_EQ(ctl.PutText(L"paperSize", L"A5"), S_OK);
  ASSERT_EQ(ctl.PutInt(L"orientation", 2), S_OK);

  BrowserHost other;
  HRESULT otherResult = E_FAIL;
  int otherOrientation = -9999;
  host.browser.dialog.onInit = [&] {
    std::thread thread([&] {
      if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return;
      {
        CreationWatch watch(other.log);
        Control second;
        if (second.created() == S_OK && second.Site(&other.site) == S_OK) {
          second.PutText(L"paperSize", L"Letter");
          second.PutInt(L"orientation", 1);
          otherResult = second.Call(L"Preview");
          otherOrientation = second.GetInt(L"orientation");
        }
      }
      CoUninitialize();
    });
    thread.join();
  };
  EXPECT_EQ(ctl.Call(L"Preview"), S_OK);

  ASSERT_EQ(host.log.dialogs.size(), 1u);
  const auto& d = host.log.dialogs[0];
  EXPECT_FALSE(d.timedOut);
  EXPECT_TRUE(d.confirmed);
  EXPECT_EQ(d.paper, L"A5");
  EXPECT_TRUE(d.landscape);
  EXPECT_EQ(host.log.execs.size(), 1u);

  EXPECT_EQ(otherResult, S_OK);
  EXPECT_TRUE(other.log.creations.empty());
  EXPECT_TRUE(other.log.dialogs.empty());
  EXPECT_EQ(other.log.execs.size(), 1u);
  EXPECT_EQ(otherOrientation, 1);  // not filled in, so left as set
  EXPECT_TRUE(other.AllReleased());
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 2;
  const int rc = RUN_ALL_TESTS();
  CoUninitialize();
  return rc;
}
