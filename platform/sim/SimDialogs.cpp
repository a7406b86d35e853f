#include "SimDialogs.h"

namespace sim {

std::int32_t SimDialogs::ShowMessageBox(std::u16string_view text, std::u16string_view caption,
                                        std::uint32_t flags) {
  boxes_.push_back({std::u16string(text), std::u16string(caption), flags});
  if (!answers_.empty()) {
    std::int32_t r = answers_.front();
    answers_.pop_front();
    return r;
  }
  return (flags & 0xF) == plat::kMbYesNo ? plat::kIdYes : plat::kIdOk;
}

void SimDialogs::ShowErrorDisplay(std::u16string_view text) {
  errors_.emplace_back(text);
}

}  // namespace sim
