#pragma once
// Simulated user profile: sections and keys, case-insensitive, ANSI text.
#include <map>
#include <string>

#include "platform/Profile.h"

namespace sim {

class SimProfile : public plat::Profile {
 public:
  std::string GetString(std::string_view section, std::string_view key, std::string_view def,
                        std::size_t capacity) override;
  bool WriteString(std::string_view section, std::string_view key, std::string_view value) override;

  void FailWrites(bool fail) { failWrites_ = fail; }
  // nullptr-like empty optional semantics kept simple for tests.
  bool Has(std::string_view section, std::string_view key) const;
  std::string Value(std::string_view section, std::string_view key) const;
  void Remove(std::string_view section, std::string_view key);

 private:
  static std::string Key(std::string_view section, std::string_view key);
  std::map<std::string, std::string> values_;
  bool failWrites_ = false;
};

}  // namespace sim
