#pragma once
// A Canvas over a plain pixel buffer for tests. Text is not rasterised: a
// fixed-pitch stand-in font gives each shown character kCharWidth x
// kCharHeight, and every caption drawn is recorded with its position, the
// text as shown, the access key and the look.
#include <string>
#include <vector>

#include "AccessKey.h"
#include "Canvas.h"

class PixelCanvas : public setup::Canvas {
 public:
  static constexpr int kCharWidth = 7;
  static constexpr int kCharHeight = 13;

  struct TextCall {
    int x = 0;
    int y = 0;
    setup::ShownCaption shown;
    setup::Colour colour = 0;
    setup::TextLook look = setup::TextLook::kNormal;
    setup::FontSpec font;
  };

  PixelCanvas(int width, int height, setup::Colour background);

  setup::Colour At(int x, int y) const { return pixels_[Index(x, y)]; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  const std::vector<TextCall>& Texts() const { return texts_; }

  void SetPixel(int x, int y, setup::Colour c) override;
  void Line(int x0, int y0, int x1, int y1, setup::Colour c) override;
  void FillRect(const setup::Rect& r, setup::Colour c) override;
  void FrameRect(const setup::Rect& r, setup::Colour c) override;
  void FocusFrame(const setup::Rect& r) override;
  void SetFont(const setup::FontSpec& font) override { font_ = font; }
  setup::Extent TextExtent(std::u16string_view shown) override;
  void PrefixText(int x, int y, std::u16string_view caption, setup::Colour c,
                  setup::TextLook look) override;

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  int width_;
  int height_;
  std::vector<setup::Colour> pixels_;
  setup::FontSpec font_;
  std::vector<TextCall> texts_;
};
