#pragma once
// The page's own paper size as a user form on the default printer, so that
// the browser's page setup can pick it by name.
#include <cstdint>
#include <string_view>

#include "platform/CodePage.h"
#include "platform/Profile.h"
#include "platform/Spooler.h"

namespace vellora {

// Whole millimetres (fraction cut off) as thousandths of a millimetre,
// held to the 32-bit range; not-a-number gives 0.
std::int32_t ThousandthsOfMillimetre(double millimetres);

// The user form `name`, `widthMm` by `heightMm`, printable to the edges.
plat::FormInfo BuildPaperForm(std::string_view name, double widthMm, double heightMm);

// Updates the form on the default printer, or adds it when the printer
// has none of that name. Nothing happens without a default printer or
// when it refuses full access; failures are not reported.
void ApplyCustomPaperForm(plat::Spooler& spooler, plat::Profile& profile, plat::CodePage& cp,
                          std::string_view paperSize, double widthMm, double heightMm);

}  // namespace vellora
