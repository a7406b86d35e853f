// The installer's program entry: the dialog is created as the main window
// and the message loop runs until it has closed.
#include <windows.h>
// After windows.h:
#include <commctrl.h>
#include <objbase.h>

#include "SetupForm.h"
#include "SetupWindow.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  const HRESULT com = CoInitialize(nullptr);

  int exit_code = 0;
  {
    std::unique_ptr<setup::Form> form = setup::BuildSetupForm();
    setupwin::SetupWindow window(*form);
    window.onDestroyed = [] { PostQuitMessage(0); };
    window.onClick = [&window](const std::string& name) {
      if (name == "Button3") PostMessageW(window.Hwnd(), WM_CLOSE, 0, 0);
    };
    if (!window.Create(instance)) {
      exit_code = 1;
    } else {
      ShowWindow(window.Hwnd(), show);
      UpdateWindow(window.Hwnd());
      MSG msg;
      while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (window.PreTranslate(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
      exit_code = static_cast<int>(msg.wParam);
    }
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return exit_code;
}
