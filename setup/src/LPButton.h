#pragma once
// TLPButton: the installer's flat push button. An owner-drawn button with a
// one-pixel border, an optional vertical gradient on its face, a different
// face while the mouse is over it or it is held down, and a centred caption.
// This class holds the button's own properties and hot-state machine and
// paints onto a Canvas; the window that hosts it forwards the events.
#include <functional>
#include <string>

#include "Canvas.h"

namespace setup {

class TLPButton {
 public:
  static constexpr Colour kDefaultBorderColor = 8421504;  // grey 128, 128, 128
  static constexpr Colour kDefaultColor = 32896;          // red 128, green 128, blue 0
  static constexpr int kDefaultWidth = 90;
  static constexpr int kDefaultHeight = 30;
  static constexpr int kVkSpace = 32;

  // `repaint` marks the whole button for repainting.
  explicit TLPButton(std::function<void()> repaint = {});

  Colour BorderColor() const { return border_color_; }
  Colour Color() const { return color_; }
  Colour ActiveColor() const { return active_color_; }
  bool GradientColor() const { return gradient_; }
  // The first three repaint only when the value changes; the gradient
  // switch is stored without a repaint.
  void SetBorderColor(Colour c);
  void SetColor(Colour c);
  void SetActiveColor(Colour c);
  void SetGradientColor(bool on) { gradient_ = on; }

  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetSize(int width, int height) {
    width_ = width;
    height_ = height;
  }

  bool Hot() const { return hot_; }
  bool ShowFocus() const { return show_focus_; }
  bool SpaceDown() const { return space_down_; }

  // Hot-state events. The host window lets the system handle the message
  // before calling MouseEnter, MouseLeave, LButtonDown and KeyDown, and after
  // calling LButtonUp and KeyUp.
  void MouseEnter();
  void MouseLeave();
  void LButtonDown();
  void LButtonUp();
  void KeyDown(int key);
  void KeyUp(int key);
  // The focus moved to another control. `to_push_button`: that control is a
  // push button; `to_this`: it is this button; `is_default`: this button is
  // the dialog's default button.
  void FocusChanged(bool to_push_button, bool to_this, bool is_default);

  // What a draw request carries besides the canvas.
  struct DrawItem {
    Rect item;              // the item rectangle
    bool selected = false;  // ODS_SELECTED
  };
  // What the owner supplies about the button as a window.
  struct Face {
    std::u16string caption;
    FontSpec font;
    Colour font_color = 0;
    bool enabled = true;
  };
  void Paint(Canvas& canvas, const DrawItem& item, const Face& face) const;

  // The colour of gradient row k (0-based) of n rows from `start` to `end`.
  static Colour GradientRow(Colour start, Colour end, int k, int n);

 private:
  void Repaint() const {
    if (repaint_) repaint_();
  }

  std::function<void()> repaint_;
  Colour border_color_ = kDefaultBorderColor;
  Colour color_ = kDefaultColor;
  Colour active_color_ = kDefaultColor;
  bool gradient_ = true;
  int width_ = kDefaultWidth;
  int height_ = kDefaultHeight;
  bool hot_ = false;
  bool show_focus_ = false;
  bool space_down_ = false;
};

}  // namespace setup
