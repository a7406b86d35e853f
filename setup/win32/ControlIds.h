#pragma once
// Window identity of the installer dialog, shared with the UI robot: the
// dialog's window class and the child window identifier of each control.
#include <cstring>

namespace setupwin {

inline constexpr wchar_t kDialogClass[] = L"TSetupFrm";

struct ControlId {
  const char* name;
  int id;
};

inline constexpr ControlId kControlIds[] = {
    {"Image1", 1000},  {"LbProducts", 1001}, {"GroupBox", 1002}, {"LbPath", 1003},
    {"Button1", 1004}, {"Button2", 1005},    {"Button3", 1006},  {"Panel1", 1007},
    {"Label2", 1008},  {"Label3", 1009},     {"Label6", 1010},
};

// 0 for a name the dialog does not have.
inline int ControlIdOf(const char* name) {
  for (const ControlId& c : kControlIds) {
    if (std::strcmp(c.name, name) == 0) return c.id;
  }
  return 0;
}

}  // namespace setupwin
