#include "SetupUnit.h"

#include <string>

#include "Convert.h"
#include "Errors.h"
#include "Localize.h"
#include "Messages.h"
#include "RegistryReader.h"
#include "SystemFacts.h"
#include "WideStrings.h"

namespace setup {
namespace {

constexpr Color kButtonCaptionColor = 3878553;
constexpr Color kFooterColor = 8421504;
constexpr char16_t kMarkerFile[] = u"TW_SIGN_MAIN.libx";

std::vector<std::u16string> SplitAtBlanks(std::u16string_view s) {
  std::vector<std::u16string> out;
  std::size_t pos = 0;
  while (pos <= s.size()) {
    std::size_t end = s.find(u' ', pos);
    if (end == std::u16string_view::npos) end = s.size();
    if (end > pos) out.emplace_back(s.substr(pos, end - pos));
    pos = end + 1;
  }
  return out;
}

}  // namespace

std::u16string FolderOf(std::u16string_view path) {
  std::size_t p = path.find_last_of(u"\\/:");
  if (p == std::u16string_view::npos) return {};
  std::u16string_view dir = path.substr(0, path[p] == u':' ? p + 1 : p);
  return std::u16string(dir);
}

std::int32_t RunAndWait(Ports& ports, std::u16string_view commandLine, std::uint16_t show) {
  auto code = ports.processes.StartAndWait(commandLine, show);
  if (!code) return -1;
  return static_cast<std::int32_t>(*code);
}

TSetupFrm::TSetupFrm(Ports& ports, TextTable& texts, InstallerState& state, Form& form,
                     SetupHost host)
    : ports_(ports), texts_(texts), state_(state), form_(form), host_(std::move(host)) {}

void TSetupFrm::Terminate() {
  terminated_ = true;
  if (host_.terminate) host_.terminate();
}

void TSetupFrm::FormCreate() {
  fCopyRightVisible_ = true;
  params_ = std::make_unique<TXMLParams>(ports_, state_.sourceDir + u"\\Signature.dll");
  std::u16string language = params_->GetLanguage();
  texts_.SetTextPrefix(ports_.codePage.FromUtf16(ports_.codePage.ThreadAnsiCodePage(), language)
                           .value_or(std::string("GBC_")));
  std::u16string banner = state_.sourceDir + u"\\setup.dll";
  if (ports_.files.FileExists(banner)) {
    if (auto bytes = ports_.files.ReadAll(banner))
      form_.Get("Image1").SetPicture(std::vector<std::uint8_t>(bytes->begin(), bytes->end()));
  }
  std::u16string cleanup = state_.sourceDir + u"\\Scourby.exe";
  if (ports_.files.FileExists(cleanup)) RunAndWait(ports_, cleanup, plat::kSwHide);
}

void TSetupFrm::FormDestroy() {
  if (!params_) return;
  std::unique_ptr<TXMLParams> params = std::move(params_);
  params->Release();
}

void TSetupFrm::Button2Click() {
  if (host_.install) host_.install();
}

void TSetupFrm::FormShow() {
  // A settings file that did not parse left no settings object: nothing of
  // the start-up can rely on it, so the dialog stays as designed, with
  // nothing to install, and the failure is reported.
  if (!params_) {
    form_.Get("Button1").SetEnabled(false);
    form_.Get("Button2").SetEnabled(false);
    throw PlatformError(u"The settings file \"" + state_.sourceDir +
                        u"\\Signature.dll\" could not be read");
  }
  // 1. Font from the settings.
  Font font = form_.GetFont();
  font.size = params_->GetFontSize();
  font.name = params_->GetFontName();
  font.charset = static_cast<std::uint8_t>(params_->GetCharSet());
  form_.SetFont(font);
  // 2, 3. Texts.
  LocalizeForm(form_, texts_, ports_.system);
  std::u16string title = Fetch(1536);
  form_.SetCaption(title + Fetch(1537));
  form_.Get("GroupBox").SetCaption(Fetch(1538));
  form_.Get("Button1").SetCaption(Fetch(1539));
  form_.Get("Button2").SetCaption(Fetch(1540));
  form_.Get("Button3").SetCaption(Fetch(1541));
  form_.Get("Label2").SetCaption(Fetch(1542));
  form_.Get("Label3").SetCaption(Fetch(1543));
  form_.Get("Label6").SetCaption(Fetch(1544));
  form_.Get("LbProducts").SetCaption(Fetch(1536));
  // 4. Without a configuration there is nothing to install: Browse and Install
  // stay disabled rather than starting a run without file list or settings.
  std::u16string iniPath = state_.sourceDir + u"\\Configure.ini";
  if (!ports_.files.FileExists(iniPath)) {
    ShowMessageText(ports_, texts_, Fetch(1556), plat::kMbOk);
    form_.Get("Button1").SetEnabled(false);
    form_.Get("Button2").SetEnabled(false);
    return;
  }
  // 5, 6.
  state_.configIni = std::make_unique<IniFile>(ports_.profile, iniPath);
  RunBeforeSetup();
  // 7.
  const IniFile& ini = *state_.configIni;
  std::u16string update = ini.ReadString(u"FORM", u"Update", u"FALSE");
  form_.SetCaption(ini.ReadString(u"FORM", u"Title", u""));
  form_.Get("LbProducts").SetCaption(u"[" + ini.ReadString(u"FORM", u"SoftName", u"") + u"]");
  bool autoRun = ini.ReadBool(u"FORM", u"AutoRun", u"FALSE");
  fCopyRightVisible_ = ini.ReadBool(u"FORM", u"CopyRightVisible", u"TRUE");
  std::u16string version = ini.ReadString(u"FORM", u"Version", u"7.0");
  // 8, 9.
  if (!ChooseInstallDir(update, version)) return;
  form_.Get("LbPath").SetText(state_.installDir);
  // 10.
  fFileList_.emplace();
  std::u16string listPath = state_.sourceDir + u"\\Setup.Lst";
  std::optional<std::string> listBytes;
  if (ports_.files.FileExists(listPath)) listBytes = ports_.files.ReadAll(listPath);
  if (listBytes) {
    *fFileList_ = LoadWideLines(*listBytes, ports_.codePage);
  } else {
    ShowMessageText(ports_, texts_, Fetch(1555) + u"Setup.Lst!", plat::kMbOk);
    form_.Get("Button1").SetEnabled(false);
    form_.Get("Button2").SetEnabled(false);
  }
  // 11.
  for (const char* b : {"Button1", "Button2", "Button3"})
    form_.Get(b).SetFontColor(kButtonCaptionColor);
  for (const char* l : {"Label2", "Label3", "Label6"}) {
    form_.Get(l).SetFontColor(kFooterColor);
    form_.Get(l).SetVisible(fCopyRightVisible_);
  }
  // 12. A disabled Install is not clicked: the run would work on a path box
  // holding a notice or on an empty file list.
  if (autoRun && form_.Get("Button2").Enabled()) Button2Click();
}

void TSetupFrm::RunBeforeSetup() {
  std::vector<std::u16string> runs = state_.configIni->ReadNumbered(u"SETUPBEFORERUN", u"RUN");
  for (const auto& run : runs) {
    std::u16string c = state_.sourceDir + run;
    std::size_t k = c.rfind(u';');
    if (k != std::u16string::npos) {
      std::u16string program = c.substr(0, k);
      std::uint16_t show = plat::kSwShow;
      for (const auto& option : SplitAtBlanks(std::u16string_view(c).substr(k + 1))) {
        if (option == u"/s") {
          show = plat::kSwHide;
        } else if (option == u"/t") {
          std::u16string copy = ports_.system.TempDirectory() + u"~ttt.tmp";
          ports_.files.CopyTo(program, copy, false);
          program = copy;
        }
      }
      RunAndWait(ports_, program, show);
    } else if (ports_.files.FileExists(c)) {
      RunAndWait(ports_, c, plat::kSwShow);
    }
  }
}

bool TSetupFrm::MarkerFound() {
  return ports_.files.FileExists(state_.installDir + kMarkerFile);
}

bool TSetupFrm::ChooseInstallDir(const std::u16string& update, const std::u16string& version) {
  const IniFile& ini = *state_.configIni;
  if (UpperAscii(update) == u"TRUE") {
    std::u16string p(TrimBlanks(FindInstalledPath(version)));
    if (p.empty()) {
      state_.installDir = Fetch(1548) + form_.Get("LbProducts").Caption();
      form_.Get("Button1").SetEnabled(false);
      form_.Get("Button2").SetEnabled(false);
    } else {
      state_.installDir = GetLongPath(ports_.system, p);
      form_.Get("Button1").SetEnabled(false);
      if (MarkerFound()) {
        Terminate();
        return false;
      }
    }
    return true;
  }
  std::u16string p;
  if (!ini.ReadBool(u"FORM", u"Overwrite", u"TRUE")) p = TrimBlanks(FindInstalledPath(version));
  if (!p.empty()) {
    state_.installDir = GetLongPath(ports_.system, p);
    if (MarkerFound()) {
      Terminate();
      return false;
    }
    return true;
  }
  plat::UniqueKey key = OpenKeyReadOnly(ports_.registry, ports_.codePage, plat::kLocalMachine,
                                        u"Software\\Microsoft\\Windows\\CurrentVersion");
  if (key) {
    state_.installDir = ReadRegString(ports_.registry, key.get(), u"ProgramFilesDir") + u"\\" +
                        ini.ReadString(u"FORM", u"DefaultDir", u"");
  }
  return true;
}

std::u16string TSetupFrm::FindInstalledPath(std::u16string_view versions) {
  std::size_t pos = 0;
  while (pos <= versions.size()) {
    std::size_t end = versions.find(u';', pos);
    if (end == std::u16string_view::npos) end = versions.size();
    std::u16string_view part = versions.substr(pos, end - pos);
    if (part.empty()) break;
    plat::UniqueKey key =
        OpenKeyReadOnly(ports_.registry, ports_.codePage, plat::kLocalMachine,
                        u"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quillmark " +
                            std::u16string(part));
    if (key) {
      std::u16string path = ReadRegString(ports_.registry, key.get(), u"App Path");
      if (!path.empty() && path.back() != u'\\' && path.back() != u'/') path.push_back(u'\\');
      return path;
    }
    pos = end + 1;
  }
  return {};
}

}  // namespace setup
