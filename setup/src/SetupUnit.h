#pragma once
// The installer's dialog logic: program-wide state, what happens when the
// dialog is created and first shown, and the routines they use. The dialog
// itself is a form model (SetupForm.h) that the program realises.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "FormModel.h"
#include "IniFile.h"
#include "Ports.h"
#include "TextTable.h"
#include "XMLParams.h"

namespace setup {

// Program-wide installer state.
struct InstallerState {
  std::u16string installDir;
  std::u16string sourceDir;  // the installer's folder, no trailing "\"
  std::unique_ptr<IniFile> configIni;
  bool installDone = false;
};

// SourceDir from the running program's path.
std::u16string FolderOf(std::u16string_view path);

// Starts the command line with the show command and waits for its end: its
// exit code, or -1 when it cannot be started.
std::int32_t RunAndWait(Ports& ports, std::u16string_view commandLine, std::uint16_t show);

// What the dialog asks of the application around it.
struct SetupHost {
  // Ends the installer: the application terminates, the dialog never becomes
  // usable.
  std::function<void()> terminate;
  // The installation run (Install clicked).
  std::function<void()> install;
};

class TSetupFrm {
 public:
  TSetupFrm(Ports& ports, TextTable& texts, InstallerState& state, Form& form, SetupHost host);

  void FormCreate();
  void FormShow();
  // Releases the settings object, which writes a freshly built settings file.
  void FormDestroy();
  void Button2Click();

  // The folder of an installed copy with a trailing separator, or empty.
  std::u16string FindInstalledPath(std::u16string_view versions);

  Form& GetForm() { return form_; }
  const std::vector<std::u16string>* FileList() const {
    return fFileList_ ? &*fFileList_ : nullptr;
  }
  bool Cancelled() const { return fCancelled_; }
  void SetCancelled(bool v) { fCancelled_ = v; }
  bool Terminated() const { return terminated_; }
  TXMLParams* Params() { return params_.get(); }

 private:
  void RunBeforeSetup();
  // False when the installer was ended.
  bool ChooseInstallDir(const std::u16string& update, const std::u16string& version);
  bool MarkerFound();
  void Terminate();
  std::u16string Fetch(std::int32_t id) { return texts_.FetchText(id, u""); }

  Ports& ports_;
  TextTable& texts_;
  InstallerState& state_;
  Form& form_;
  SetupHost host_;
  std::unique_ptr<TXMLParams> params_;
  std::optional<std::vector<std::u16string>> fFileList_;
  bool fCancelled_ = false;
  bool fCopyRightVisible_ = true;
  bool terminated_ = false;
};

}  // namespace setup
