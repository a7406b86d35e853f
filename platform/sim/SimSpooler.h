#pragma once
// Simulated print spooler: printers with their forms; records every call.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/Spooler.h"

namespace sim {

class SimSpooler : public plat::Spooler {
 public:
  struct Call {
    std::string op;       // "open", "set", "add", "close"
    std::string printer;  // printer the call went to
    plat::FormInfo form;  // for set/add
    bool operator==(const Call&) const = default;
  };

  // Adds a printer; `openable` false refuses full access.
  void AddPrinter(const std::string& name, bool openable = true);
  void SetOpenable(const std::string& name, bool openable);
  // Forms of a printer, by name.
  const std::map<std::string, plat::FormInfo>& Forms(const std::string& printer) const;
  const std::vector<Call>& Calls() const { return calls_; }
  void ClearCalls() { calls_.clear(); }
  std::size_t OpenHandles() const { return open_.size(); }

  bool OpenFullAccess(std::string_view name, plat::HPrinter& out) override;
  bool UpdateForm(plat::HPrinter printer, std::string_view formName,
                  const plat::FormInfo& form) override;
  bool InsertForm(plat::HPrinter printer, const plat::FormInfo& form) override;
  void ClosePrinter(plat::HPrinter printer) override;
  std::uint32_t TakeLastError() override;

 private:
  struct Printer {
    bool openable = true;
    std::map<std::string, plat::FormInfo> forms;
  };
  std::map<std::string, Printer> printers_;
  std::map<plat::HPrinter, std::string> open_;
  std::vector<Call> calls_;
  plat::HPrinter next_ = 0x100;
  std::uint32_t lastError_ = 0;
};

}  // namespace sim
