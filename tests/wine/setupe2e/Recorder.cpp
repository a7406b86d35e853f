// A program the installer starts before it installs: appends one line to
// "record.txt" in its current folder naming how it was started (its own
// file name, the show command it was given and its command line).
#include <windows.h>

#include <cstdio>
#include <string>

int wmain() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  const wchar_t* name = path;
  for (const wchar_t* p = path; *p != L'\0'; ++p) {
    if (*p == L'\\' || *p == L'/') name = p + 1;
  }
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  GetStartupInfoW(&si);
  const int show = (si.dwFlags & STARTF_USESHOWWINDOW) != 0 ? si.wShowWindow : -1;
  FILE* f = _wfopen(L"record.txt", L"a");
  if (f == nullptr) return 1;
  std::fwprintf(f, L"name=%ls show=%d cmd=%ls\n", name, show, GetCommandLineW());
  std::fclose(f);
  return 0;
}
