#pragma once
// The test browser's page-setup dialog: a real modal dialog from the
// resource template 100, recording what it ends with.
#include <windows.h>

#include <functional>

#include "HostLog.h"

namespace host {

inline constexpr int kPageSetupDialog = 100;

// Paper names and sources the combo boxes offer; the first of each is
// selected when the dialog opens.
inline constexpr const wchar_t* kPapers[] = {L"A3", L"A4", L"A5", L"Letter", L"信封 #10"};
inline constexpr const wchar_t* kSources[] = {L"自动选择", L"纸盒 1", L"手动送纸"};

struct DialogSetup {
  bool startLandscape = false;
  // Runs once the dialog is initialised, before it is shown.
  std::function<void()> onInit;
};

// Runs the dialog modally; an open dialog cancels itself after a few
// seconds so that a fill-in that never comes cannot hang the test.
DialogRecord RunPageSetupDialog(const DialogSetup& setup);

}  // namespace host
