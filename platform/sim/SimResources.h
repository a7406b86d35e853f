#pragma once
// Simulated resource libraries: a library loads when the test has defined it
// under that name (compared without regard to letter case); loads and
// releases are counted so that leaks show.
#include <map>
#include <string>

#include "platform/Resources.h"

namespace sim {

class SimResources : public plat::Resources {
 public:
  plat::HModule LoadResourceLibrary(std::u16string_view name) override;
  std::optional<std::string> RcData(plat::HModule module, std::u16string_view name) override;
  void FreeResourceLibrary(plat::HModule module) override;

  // Defines a library; `rcdata` maps resource names to bytes.
  void Library(std::u16string_view name, std::map<std::u16string, std::string> rcdata = {});
  int Loaded() const { return static_cast<int>(open_.size()); }

 private:
  static std::u16string Upper(std::u16string_view s);
  std::map<std::u16string, std::map<std::u16string, std::string>> libraries_;
  std::map<plat::HModule, std::u16string> open_;
  plat::HModule next_ = 0x10000;
};

}  // namespace sim
