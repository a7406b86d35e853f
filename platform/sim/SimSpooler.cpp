#include "SimSpooler.h"

namespace sim {

namespace {
constexpr std::uint32_t kErrInvalidPrinterName = 1801;
constexpr std::uint32_t kErrAccessDenied = 5;
constexpr std::uint32_t kErrInvalidHandle = 6;
constexpr std::uint32_t kErrInvalidFormName = 1902;
constexpr std::uint32_t kErrFileExists = 80;
const std::map<std::string, plat::FormInfo> kNoForms;
}  // namespace

void SimSpooler::AddPrinter(const std::string& name, bool openable) {
  printers_[name].openable = openable;
}
void SimSpooler::SetOpenable(const std::string& name, bool openable) {
  printers_[name].openable = openable;
}
const std::map<std::string, plat::FormInfo>& SimSpooler::Forms(const std::string& printer) const {
  auto it = printers_.find(printer);
  return it == printers_.end() ? kNoForms : it->second.forms;
}

bool SimSpooler::OpenFullAccess(std::string_view name, plat::HPrinter& out) {
  std::string n(name);
  calls_.push_back({"open", n, {}});
  auto it = printers_.find(n);
  if (it == printers_.end()) {
    lastError_ = kErrInvalidPrinterName;
    return false;
  }
  if (!it->second.openable) {
    lastError_ = kErrAccessDenied;
    return false;
  }
  out = next_++;
  open_[out] = n;
  return true;
}

bool SimSpooler::UpdateForm(plat::HPrinter h, std::string_view formName, const plat::FormInfo& f) {
  auto it = open_.find(h);
  if (it == open_.end()) {
    lastError_ = kErrInvalidHandle;
    return false;
  }
  calls_.push_back({"set", it->second, f});
  auto& forms = printers_[it->second].forms;
  auto fi = forms.find(std::string(formName));
  if (fi == forms.end()) {
    lastError_ = kErrInvalidFormName;
    return false;
  }
  forms.erase(fi);
  forms[f.name] = f;
  return true;
}

bool SimSpooler::InsertForm(plat::HPrinter h, const plat::FormInfo& f) {
  auto it = open_.find(h);
  if (it == open_.end()) {
    lastError_ = kErrInvalidHandle;
    return false;
  }
  calls_.push_back({"add", it->second, f});
  auto& forms = printers_[it->second].forms;
  if (forms.count(f.name)) {
    lastError_ = kErrFileExists;
    return false;
  }
  forms[f.name] = f;
  return true;
}

void SimSpooler::ClosePrinter(plat::HPrinter h) {
  auto it = open_.find(h);
  if (it == open_.end()) return;
  calls_.push_back({"close", it->second, {}});
  open_.erase(it);
}

std::uint32_t SimSpooler::TakeLastError() {
  std::uint32_t e = lastError_;
  lastError_ = 0;
  return e;
}

}  // namespace sim
