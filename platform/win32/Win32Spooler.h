#pragma once
#include "platform/Spooler.h"

namespace win {

class Win32Spooler : public plat::Spooler {
 public:
  bool OpenFullAccess(std::string_view name, plat::HPrinter& out) override;
  bool UpdateForm(plat::HPrinter printer, std::string_view formName,
                  const plat::FormInfo& form) override;
  bool InsertForm(plat::HPrinter printer, const plat::FormInfo& form) override;
  void ClosePrinter(plat::HPrinter printer) override;
  std::uint32_t TakeLastError() override;
};

}  // namespace win
