#include "SimResources.h"

namespace sim {

std::u16string SimResources::Upper(std::u16string_view s) {
  std::u16string out(s);
  for (auto& c : out)
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - 32);
  return out;
}

void SimResources::Library(std::u16string_view name, std::map<std::u16string, std::string> rcdata) {
  std::map<std::u16string, std::string> upper;
  for (auto& [k, v] : rcdata) upper[Upper(k)] = v;
  libraries_[Upper(name)] = std::move(upper);
}

plat::HModule SimResources::LoadResourceLibrary(std::u16string_view name) {
  std::u16string key = Upper(name);
  if (!libraries_.contains(key)) return 0;
  plat::HModule h = next_;
  next_ += 0x10000;
  open_[h] = key;
  return h;
}

std::optional<std::string> SimResources::RcData(plat::HModule module, std::u16string_view name) {
  auto lib = open_.find(module);
  if (lib == open_.end()) return std::nullopt;
  const auto& res = libraries_[lib->second];
  auto it = res.find(Upper(name));
  if (it == res.end()) return std::nullopt;
  return it->second;
}

void SimResources::FreeResourceLibrary(plat::HModule module) {
  open_.erase(module);
}

}  // namespace sim
