#pragma once
// TLPEdit: the installer's flat single-line edit box. After the system edit
// has painted itself, a one-pixel frame is drawn on the edge of its client
// area, in one colour while it has the focus and another while it has not;
// while disabled its background is grey. The hosting window forwards the
// events and lets the system edit do its own painting first.
#include <functional>

#include "Canvas.h"

namespace setup {

class TLPEdit {
 public:
  static constexpr Colour kDefaultBorderColor = 32896;    // red 128, green 128, blue 0
  static constexpr Colour kDefaultActiveColor = 8421376;  // red 0, green 128, blue 128
  static constexpr Colour kDisabledColor = 14803425;      // grey 225, 225, 225
  static constexpr Colour kDefaultBackground = 0xFFFFFF;

  // `repaint` marks the whole edit for repainting.
  explicit TLPEdit(std::function<void()> repaint = {});

  Colour BorderColor() const { return border_color_; }
  Colour ActiveColor() const { return active_color_; }
  // Both setters repaint, whether or not the value changed.
  void SetBorderColor(Colour c);
  void SetActiveColor(Colour c);

  // The edit's background colour (the platform control's Color).
  Colour Color() const { return color_; }
  void SetColor(Colour c);

  bool Focused() const { return focused_; }
  Colour SavedColor() const { return saved_color_; }

  // Called after the system's own handling of the focus change.
  void SetFocus();
  void KillFocus();
  // Called after the enabled state has changed.
  void EnabledChanged(bool enabled);

  // The frame over a client area of the given size, drawn after the edit's
  // own painting.
  void PaintFrame(Canvas& canvas, int client_width, int client_height) const;

 private:
  void Repaint() const {
    if (repaint_) repaint_();
  }

  std::function<void()> repaint_;
  Colour border_color_ = kDefaultBorderColor;
  Colour active_color_ = kDefaultActiveColor;
  Colour color_ = kDefaultBackground;
  Colour saved_color_ = 0;
  bool focused_ = false;
};

}  // namespace setup
