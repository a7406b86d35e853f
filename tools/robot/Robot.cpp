// robot: watches the installer's dialog. The arguments are steps, run in
// order; every step prints what it saw as one UTF-8 line on stdout:
//   dialog [ms]        wait for the visible dialog; "dialog <caption>"
//   dump               every control: "control <name> <id> enabled=<0|1>
//                      visible=<0|1> text=<text>"
//   msgbox <button> [ms]  wait for a message box, print "msgbox
//                      caption=<c> text=<t>", then press the button (1 OK,
//                      6 Yes, 7 No)
//   shot <file.bmp>    save the dialog as it shows on the screen
//   close              ask the dialog to close
//   gone [ms]          wait until no dialog and no message box is left
// Exit code 0 when every step succeeded, 1 otherwise (the step that failed
// prints "error <why>").
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "ControlIds.h"
#include "Screenshot.h"

namespace {

void PrintUtf8(const std::wstring& s) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, s.c_str(), static_cast<int>(s.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, s.c_str(), static_cast<int>(s.size()), out.data(), n, nullptr,
                      nullptr);
  // Line breaks inside a text are shown escaped, so that one step is one line.
  std::string line;
  for (char c : out) {
    if (c == '\r') {
      line += "\\r";
    } else if (c == '\n') {
      line += "\\n";
    } else {
      line += c;
    }
  }
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

// WM_GETTEXT, since GetWindowText does not read an edit of another process.
std::wstring TextOf(HWND hwnd) {
  DWORD_PTR len = 0;
  if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &len)) return {};
  std::wstring s(static_cast<std::size_t>(len) + 1, L'\0');
  DWORD_PTR got = 0;
  SendMessageTimeoutW(hwnd, WM_GETTEXT, static_cast<WPARAM>(len + 1),
                      reinterpret_cast<LPARAM>(s.data()), SMTO_ABORTIFHUNG, 5000, &got);
  s.resize(static_cast<std::size_t>(got));
  return s;
}

HWND FindDialog() {
  HWND h = FindWindowW(setupwin::kDialogClass, nullptr);
  return h != nullptr && IsWindowVisible(h) ? h : nullptr;
}

struct BoxSearch {
  HWND found = nullptr;
};

BOOL CALLBACK FindBox(HWND hwnd, LPARAM lp) {
  wchar_t cls[16] = {};
  GetClassNameW(hwnd, cls, 16);
  if (std::wcscmp(cls, L"#32770") == 0 && IsWindowVisible(hwnd)) {
    reinterpret_cast<BoxSearch*>(lp)->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

HWND FindMessageBox() {
  BoxSearch s;
  EnumWindows(&FindBox, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

template <typename F>
HWND WaitFor(F find, DWORD ms) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (HWND h = find()) return h;
    if (GetTickCount() - start >= ms) return nullptr;
    Sleep(100);
  }
}

DWORD MsArg(int& i, int argc, wchar_t** argv, DWORD def) {
  if (i + 1 < argc && iswdigit(argv[i + 1][0])) return static_cast<DWORD>(_wtoi(argv[++i]));
  return def;
}

bool Fail(const wchar_t* why) {
  PrintUtf8(std::wstring(L"error ") + why);
  return false;
}

bool Step(int& i, int argc, wchar_t** argv) {
  const std::wstring cmd = argv[i];
  if (cmd == L"dialog") {
    HWND d = WaitFor(FindDialog, MsArg(i, argc, argv, 30000));
    if (d == nullptr) return Fail(L"no dialog");
    Sleep(300);  // let the first painting finish
    PrintUtf8(L"dialog " + TextOf(d));
    return true;
  }
  if (cmd == L"dump") {
    HWND d = FindDialog();
    if (d == nullptr) return Fail(L"no dialog");
    for (const setupwin::ControlId& c : setupwin::kControlIds) {
      HWND h = GetDlgItem(d, c.id);
      if (h == nullptr) continue;
      std::wstring name(c.name, c.name + std::strlen(c.name));
      PrintUtf8(L"control " + name + L" " + std::to_wstring(c.id) + L" enabled=" +
                (IsWindowEnabled(h) ? L"1" : L"0") + L" visible=" +
                (IsWindowVisible(h) ? L"1" : L"0") + L" text=" + TextOf(h));
    }
    return true;
  }
  if (cmd == L"msgbox") {
    if (i + 1 >= argc) return Fail(L"msgbox needs a button");
    const int button = _wtoi(argv[++i]);
    HWND box = WaitFor(FindMessageBox, MsArg(i, argc, argv, 30000));
    if (box == nullptr) return Fail(L"no message box");
    Sleep(200);
    PrintUtf8(L"msgbox caption=" + TextOf(box) + L" text=" + TextOf(GetDlgItem(box, 0xFFFF)));
    HWND b = GetDlgItem(box, button);
    if (b == nullptr) return Fail(L"the message box has no such button");
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(b));
    return true;
  }
  if (cmd == L"shot") {
    if (i + 1 >= argc) return Fail(L"shot needs a file");
    HWND d = FindDialog();
    if (d == nullptr) return Fail(L"no dialog");
    SetForegroundWindow(d);
    Sleep(300);
    if (!SaveWindowBmp(d, argv[++i])) return Fail(L"could not save the shot");
    PrintUtf8(L"shot " + std::wstring(argv[i]));
    return true;
  }
  if (cmd == L"close") {
    HWND d = FindDialog();
    if (d == nullptr) return Fail(L"no dialog");
    PostMessageW(d, WM_CLOSE, 0, 0);
    PrintUtf8(L"close");
    return true;
  }
  if (cmd == L"gone") {
    const DWORD ms = MsArg(i, argc, argv, 30000);
    auto left = []() -> HWND {
      HWND d = FindWindowW(setupwin::kDialogClass, nullptr);
      return d == nullptr ? FindMessageBox() : d;
    };
    const DWORD start = GetTickCount();
    while (left() != nullptr) {
      if (GetTickCount() - start >= ms) return Fail(L"still there");
      Sleep(100);
    }
    PrintUtf8(L"gone");
    return true;
  }
  return Fail((L"unknown step " + cmd).c_str());
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  for (int i = 1; i < argc; ++i) {
    if (!Step(i, argc, argv)) return 1;
  }
  return 0;
}
