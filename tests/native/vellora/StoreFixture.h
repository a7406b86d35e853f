#pragma once
// A simulated Windows for the control's logic: registry, profile, spooler
// and code page, with paths of the two page-setup keys.
#include <string>

#include "PrintCtlLogic.h"
#include "SimCodePage.h"
#include "SimProfile.h"
#include "SimRegistry.h"
#include "SimSpooler.h"

namespace vellora::test {

inline const std::string kOwnKey =
    "HKCU\\Software\\Microsoft\\Internet Explorer\\Ormsby Company\\PageSetup";
inline const std::string kIeKey = "HKCU\\Software\\Microsoft\\Internet Explorer\\PageSetup";

struct SimWindows {
  explicit SimWindows(std::uint32_t acp = 936) : cp(acp), reg(cp) {}
  Services services() { return Services{reg, profile, spooler, cp}; }

  sim::SimCodePage cp;
  sim::SimRegistry reg;
  sim::SimProfile profile;
  sim::SimSpooler spooler;
};

}  // namespace vellora::test
