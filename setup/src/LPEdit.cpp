#include "LPEdit.h"

#include <utility>

namespace setup {

TLPEdit::TLPEdit(std::function<void()> repaint) : repaint_(std::move(repaint)) {}

void TLPEdit::SetBorderColor(Colour c) {
  border_color_ = c;
  Repaint();
}

void TLPEdit::SetActiveColor(Colour c) {
  active_color_ = c;
  Repaint();
}

void TLPEdit::SetColor(Colour c) {
  if (c == color_) return;
  color_ = c;
  Repaint();
}

void TLPEdit::SetFocus() {
  focused_ = true;
  Repaint();
}

void TLPEdit::KillFocus() {
  focused_ = false;
  Repaint();
}

void TLPEdit::EnabledChanged(bool enabled) {
  if (enabled) {
    color_ = saved_color_;
  } else {
    saved_color_ = color_;
    color_ = kDisabledColor;
  }
  Repaint();
}

void TLPEdit::PaintFrame(Canvas& canvas, int client_width, int client_height) const {
  canvas.FrameRect({0, 0, client_width, client_height}, focused_ ? active_color_ : border_color_);
}

}  // namespace setup
