#include "SimSystemInfo.h"

namespace sim {

void SimSystemInfo::LongName(std::u16string_view shortPath, std::u16string longPath) {
  longNames_[fs_.Key(shortPath)] = std::move(longPath);
}

std::optional<std::uint32_t> SimSystemInfo::LongPathName(std::u16string_view path,
                                                         std::u16string& out,
                                                         std::uint32_t capacity) {
  if (!longPathAvailable_) return std::nullopt;
  out.clear();
  if (!fs_.FileExists(path) && !fs_.DirectoryExists(path)) return 0u;  // ERROR_FILE_NOT_FOUND
  auto it = longNames_.find(fs_.Key(path));
  std::u16string result = it != longNames_.end() ? it->second : std::u16string(path);
  // Too small a buffer: the function returns the size needed, NUL included.
  if (result.size() + 1 > capacity) return static_cast<std::uint32_t>(result.size() + 1);
  out = result;
  return static_cast<std::uint32_t>(result.size());
}

}  // namespace sim
