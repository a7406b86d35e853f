#pragma once
// Simulated message boxes and error display: each is recorded, and a message
// box returns the next scripted answer (IDOK, or IDYES for Yes/No, when none).
#include <deque>
#include <string>
#include <vector>

#include "platform/Dialogs.h"

namespace sim {

struct ShownBox {
  std::u16string text;
  std::u16string caption;
  std::uint32_t flags = 0;
};

class SimDialogs : public plat::Dialogs {
 public:
  std::int32_t ShowMessageBox(std::u16string_view text, std::u16string_view caption,
                              std::uint32_t flags) override;
  void ShowErrorDisplay(std::u16string_view text) override;

  void Answer(std::int32_t result) { answers_.push_back(result); }
  const std::vector<ShownBox>& Boxes() const { return boxes_; }
  const std::vector<std::u16string>& Errors() const { return errors_; }

 private:
  std::deque<std::int32_t> answers_;
  std::vector<ShownBox> boxes_;
  std::vector<std::u16string> errors_;
};

}  // namespace sim
