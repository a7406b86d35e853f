#include "LPButton.h"

#include <utility>

#include "AccessKey.h"

namespace setup {

TLPButton::TLPButton(std::function<void()> repaint) : repaint_(std::move(repaint)) {}

void TLPButton::SetBorderColor(Colour c) {
  if (c == border_color_) return;
  border_color_ = c;
  Repaint();
}

void TLPButton::SetColor(Colour c) {
  if (c == color_) return;
  color_ = c;
  Repaint();
}

void TLPButton::SetActiveColor(Colour c) {
  if (c == active_color_) return;
  active_color_ = c;
  Repaint();
}

void TLPButton::MouseEnter() {
  if (hot_) return;
  hot_ = true;
  Repaint();
}

void TLPButton::MouseLeave() {
  if (!hot_) return;
  hot_ = false;
  Repaint();
}

void TLPButton::LButtonDown() {
  hot_ = true;
  Repaint();
}

void TLPButton::LButtonUp() {
  Repaint();
}

void TLPButton::KeyDown(int key) {
  if (key != kVkSpace || space_down_) return;
  hot_ = true;
  space_down_ = true;
  Repaint();
}

void TLPButton::KeyUp(int key) {
  if (key != kVkSpace || !space_down_) return;
  hot_ = false;
  space_down_ = false;
  Repaint();
}

void TLPButton::FocusChanged(bool to_push_button, bool to_this, bool is_default) {
  const bool show = to_push_button ? to_this : is_default;
  if (show == show_focus_) return;
  show_focus_ = show;
  Repaint();
}

Colour TLPButton::GradientRow(Colour start, Colour end, int k, int n) {
  // Integer division truncates toward zero, also for falling channels.
  auto step = [&](int s, int e) { return s + (k + 1) * (e - s) / n; };
  return Rgb(step(RedOf(start), RedOf(end)), step(GreenOf(start), GreenOf(end)),
             step(BlueOf(start), BlueOf(end)));
}

void TLPButton::Paint(Canvas& canvas, const DrawItem& item, const Face& face) const {
  const Rect client{0, 0, width_, height_};

  Colour fill = color_;
  Colour from = fill;
  Colour to = kWhite;
  if (hot_) {
    fill = active_color_;
    if (item.selected) {
      from = fill;
      to = kWhite;
    } else {
      from = kWhite;
      to = fill;
    }
  }

  canvas.FrameRect(client, border_color_);

  if (gradient_) {
    const Rect g = client.Shrunk(2);
    const int n = height_ - 4;
    for (int k = 0; k < n; ++k) {
      canvas.FillRect({g.left, g.top + k, g.right, g.top + k + 1}, GradientRow(from, to, k, n));
    }
  }

  if (show_focus_) canvas.FocusFrame(item.item.Shrunk(3));

  if (!face.caption.empty()) {
    canvas.SetFont(face.font);
    const Extent size = canvas.TextExtent(StripAccessKeys(face.caption).text);
    const int x = (item.item.right - size.cx) / 2;
    const int y = (item.item.bottom - size.cy) / 2;
    if (!face.enabled) {
      canvas.PrefixText(x, y, face.caption, face.font_color, TextLook::kDisabled);
    } else if (item.selected) {
      canvas.PrefixText(x + 1, y + 1, face.caption, face.font_color, TextLook::kNormal);
    } else {
      canvas.PrefixText(x, y, face.caption, face.font_color, TextLook::kNormal);
    }
  }
}

}  // namespace setup
