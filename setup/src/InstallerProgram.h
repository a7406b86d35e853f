#pragma once
// The installer's run as a whole, for the program entry: the language table
// is loaded before anything else, then the dialog model is built and its
// creation handler runs; the entry realises the form, calls Show() at its
// first show and Destroy() when the dialog is destroyed.
#include <memory>
#include <stdexcept>

#include "FormModel.h"
#include "SetupForm.h"
#include "SetupUnit.h"
#include "TextTable.h"

namespace setup {

class InstallerProgram {
 public:
  InstallerProgram(Ports& ports, SetupHost host);

  // Loads the language table and sets SourceDir. Errors here (a language
  // library without its resource) are not caught: the entry reports a
  // run-time error and ends before any window exists.
  void Start();
  // Builds the dialog and runs its creation handler; errors from the handler
  // reach the error display.
  Form& BuildDialog();
  void Show();
  void Destroy();

  TextTable& Texts() { return texts_; }
  InstallerState& State() { return state_; }
  TSetupFrm& Dialog() { return *frm_; }

 private:
  Ports& ports_;
  SetupHost host_;
  TextTable texts_;
  InstallerState state_;
  std::unique_ptr<Form> form_;
  std::unique_ptr<TSetupFrm> frm_;
};

}  // namespace setup
