// The installer's program entry: the language table is loaded, the dialog
// TSetupFrm is created as the main window and the message loop runs until
// it has closed.
#include <windows.h>
// After windows.h:
#include <commctrl.h>
#include <objbase.h>

#include <exception>
#include <string>

#include "Errors.h"
#include "SetupForm.h"
#include "SetupUnit.h"
#include "SetupWindow.h"
#include "TextTable.h"
#include "Win32CodePage.h"
#include "Win32Dialogs.h"
#include "Win32FileSystem.h"
#include "Win32PrivateProfile.h"
#include "Win32Processes.h"
#include "Win32Registry.h"
#include "Win32Resources.h"
#include "Win32SystemInfo.h"
#include "Win32Xml.h"

namespace {

// Exit code of a run that ended on an error no handler caught.
constexpr int kRuntimeErrorExit = 217;

// COM for the life of the program (the XML service and the picture loader).
class ComApartment {
 public:
  ComApartment() : hr_(CoInitialize(nullptr)) {}
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment() {
    if (SUCCEEDED(hr_)) CoUninitialize();
  }

 private:
  HRESULT hr_;
};

int RunInstaller(HINSTANCE instance, int show) {
  win::Win32CodePage code_page;
  win::Win32FileSystem files;
  win::Win32PrivateProfile profile;
  win::Win32Processes processes;
  win::Win32Dialogs dialogs;
  win::Win32Resources resources;
  win::Win32SystemInfo system;
  win::Win32Registry registry;
  win::Win32XmlParser xml;
  setup::Ports ports{code_page, files,  profile,  processes, dialogs,
                     resources, system, registry, xml};

  // Before any window: a library without its text resource ends the run.
  setup::TextTable texts(code_page);
  try {
    texts.LoadLanguageTable(resources);
  } catch (const std::exception& e) {
    const std::u16string text = u"Runtime error: " + setup::ErrorText(code_page, e);
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(text.c_str()), L"Error",
                MB_OK | MB_ICONERROR);
    return kRuntimeErrorExit;
  }

  setup::InstallerState state;
  state.sourceDir = setup::FolderOf(system.ProgramPath());

  std::unique_ptr<setup::Form> form = setup::BuildSetupForm();
  setupwin::SetupWindow window(*form);
  bool ended = false;
  setup::SetupHost host;
  host.terminate = [&] {
    // Ending the installer: the dialog never becomes usable and closes
    // without its close handling.
    ended = true;
    PostQuitMessage(0);
  };
  setup::TSetupFrm frm(ports, texts, state, *form, host);

  setup::RunHandler(ports, [&] { frm.FormCreate(); });
  if (!window.Create(instance)) return 1;
  window.onDestroyed = [&] {
    setup::RunHandler(ports, [&] { frm.FormDestroy(); });
    PostQuitMessage(0);
  };
  window.onClick = [&](const std::string& name) {
    if (name == "Button2") setup::RunHandler(ports, [&] { frm.Button2Click(); });
    if (name == "Button3") PostMessageW(window.Hwnd(), WM_CLOSE, 0, 0);
  };

  // The first show's handling runs before the dialog appears.
  setup::RunHandler(ports, [&] { frm.FormShow(); });
  if (!ended) {
    ShowWindow(window.Hwnd(), show);
    UpdateWindow(window.Hwnd());
  }
  MSG msg{};
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (window.PreTranslate(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  if (window.Hwnd() != nullptr) {
    // Ended from within: the settings object still goes with the dialog.
    setup::RunHandler(ports, [&] { frm.FormDestroy(); });
    window.onDestroyed = nullptr;
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  ComApartment com;
  return RunInstaller(instance, show);
}
