#include "InstallerProgram.h"

#include "Errors.h"

namespace setup {

InstallerProgram::InstallerProgram(Ports& ports, SetupHost host)
    : ports_(ports), host_(std::move(host)), texts_(ports.codePage) {}

void InstallerProgram::Start() {
  texts_.LoadLanguageTable(ports_.resources);
  state_.sourceDir = FolderOf(ports_.system.ProgramPath());
}

Form& InstallerProgram::BuildDialog() {
  form_ = BuildSetupForm();
  frm_ = std::make_unique<TSetupFrm>(ports_, texts_, state_, *form_, host_);
  RunHandler(ports_, [this] { frm_->FormCreate(); });
  return *form_;
}

void InstallerProgram::Show() {
  RunHandler(ports_, [this] { frm_->FormShow(); });
}

void InstallerProgram::Destroy() {
  if (frm_) RunHandler(ports_, [this] { frm_->FormDestroy(); });
}

}  // namespace setup
