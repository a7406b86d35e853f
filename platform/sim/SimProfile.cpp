#include "SimProfile.h"

#include <cctype>

namespace sim {

std::string SimProfile::Key(std::string_view section, std::string_view key) {
  std::string k(section);
  k += '\x01';
  k += key;
  for (char& c : k) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return k;
}

std::string SimProfile::GetString(std::string_view section, std::string_view key,
                                  std::string_view def, std::size_t capacity) {
  auto it = values_.find(Key(section, key));
  std::string v = it == values_.end() ? std::string(def) : it->second;
  if (capacity == 0) return {};
  if (v.size() > capacity - 1) v.resize(capacity - 1);
  return v;
}

bool SimProfile::WriteString(std::string_view section, std::string_view key,
                             std::string_view value) {
  if (failWrites_) return false;
  values_[Key(section, key)] = std::string(value);
  return true;
}

bool SimProfile::Has(std::string_view section, std::string_view key) const {
  return values_.count(Key(section, key)) != 0;
}
std::string SimProfile::Value(std::string_view section, std::string_view key) const {
  auto it = values_.find(Key(section, key));
  return it == values_.end() ? std::string() : it->second;
}
void SimProfile::Remove(std::string_view section, std::string_view key) {
  values_.erase(Key(section, key));
}

}  // namespace sim
