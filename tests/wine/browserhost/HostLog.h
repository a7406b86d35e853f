#pragma once
// What the test browser host saw: the calls on the browser and document in
// their order, every document command, and the page-setup dialog.
#include <windows.h>
// windows.h first
#include <oaidl.h>

#include <string>
#include <vector>

namespace host {

struct ExecRecord {
  GUID group{};
  DWORD id = 0;
  DWORD option = 0;
  VARTYPE inputType = VT_EMPTY;
  std::wstring inputText;
  bool hasOutput = false;
  long widthDuring = 0;
  long heightDuring = 0;
};

// A dialog window's creation parameters, as the host's own CBT hook sees
// them: after the control's newer hook has passed them on.
struct Creation {
  int x = 0;
  int cx = 0;
};

struct DialogRecord {
  // The dialog's state when OK was pressed.
  bool confirmed = false;
  std::wstring paper;
  std::wstring source;
  bool portrait = false;
  bool landscape = false;
  // Painted at any time, or still open when the test's timer ran out.
  bool painted = false;
  bool timedOut = false;
  INT_PTR result = 0;
};

struct HostLog {
  std::vector<std::wstring> calls;  // e.g. L"put_Height 600", L"Exec 2003"
  std::vector<ExecRecord> execs;
  std::vector<DialogRecord> dialogs;
  std::vector<Creation> creations;  // every dialog window created on the thread
};

}  // namespace host
