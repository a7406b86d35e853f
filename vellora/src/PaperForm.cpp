#include "PaperForm.h"

#include <cmath>
#include <limits>
#include <string>

#include "DefaultPrinter.h"

namespace vellora {

std::int32_t ThousandthsOfMillimetre(double millimetres) {
  if (std::isnan(millimetres)) return 0;
  double v = std::trunc(millimetres) * 1000;
  constexpr double kMax = std::numeric_limits<std::int32_t>::max();
  constexpr double kMin = std::numeric_limits<std::int32_t>::min();
  if (v >= kMax) return std::numeric_limits<std::int32_t>::max();
  if (v <= kMin) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(v);
}

plat::FormInfo BuildPaperForm(std::string_view name, double widthMm, double heightMm) {
  plat::FormInfo form;
  form.flags = 0;
  form.name = std::string(name);
  form.width = ThousandthsOfMillimetre(widthMm);
  form.height = ThousandthsOfMillimetre(heightMm);
  form.left = 0;
  form.top = 0;
  form.right = form.width;
  form.bottom = form.height;
  return form;
}

void ApplyCustomPaperForm(plat::Spooler& spooler, plat::Profile& profile, plat::CodePage& cp,
                          std::string_view paperSize, double widthMm, double heightMm) {
  plat::FormInfo form = BuildPaperForm(paperSize, widthMm, heightMm);
  std::string printer = ReadDefaultPrinter(profile, cp);
  // An empty name would open the print server itself, not a printer.
  if (printer.empty()) return;
  plat::HPrinter handle = 0;
  if (!spooler.OpenFullAccess(printer, handle)) return;
  plat::UniquePrinter open(spooler, handle);
  if (!spooler.UpdateForm(open.get(), form.name, form)) spooler.InsertForm(open.get(), form);
  spooler.TakeLastError();  // the outcome is deliberately not reported
}

}  // namespace vellora
