#include "PixelCanvas.h"

#include <algorithm>

PixelCanvas::PixelCanvas(int width, int height, setup::Colour background)
    : width_(width),
      height_(height),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), background) {}

void PixelCanvas::SetPixel(int x, int y, setup::Colour c) {
  if (Inside(x, y)) pixels_[Index(x, y)] = c;
}

void PixelCanvas::Line(int x0, int y0, int x1, int y1, setup::Colour c) {
  if (y0 == y1) {
    for (int x = std::min(x0, x1); x < std::max(x0, x1); ++x) SetPixel(x, y0, c);
  } else if (x0 == x1) {
    for (int y = std::min(y0, y1); y < std::max(y0, y1); ++y) SetPixel(x0, y, c);
  }
}

void PixelCanvas::FillRect(const setup::Rect& r, setup::Colour c) {
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) SetPixel(x, y, c);
  }
}

void PixelCanvas::FrameRect(const setup::Rect& r, setup::Colour c) {
  if (r.Width() <= 0 || r.Height() <= 0) return;
  Line(r.left, r.top, r.right, r.top, c);
  Line(r.left, r.bottom - 1, r.right, r.bottom - 1, c);
  Line(r.left, r.top, r.left, r.bottom, c);
  Line(r.right - 1, r.top, r.right - 1, r.bottom, c);
}

void PixelCanvas::FocusFrame(const setup::Rect& r) {
  // Like the system's frame: every other pixel (x + y odd) of the outline is
  // inverted, so drawing it twice removes it.
  if (r.Width() <= 0 || r.Height() <= 0) return;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      const bool edge = x == r.left || x == r.right - 1 || y == r.top || y == r.bottom - 1;
      if (edge && (x + y) % 2 != 0 && Inside(x, y)) pixels_[Index(x, y)] ^= 0xFFFFFF;
    }
  }
}

setup::Extent PixelCanvas::TextExtent(std::u16string_view shown) {
  return {static_cast<int>(shown.size()) * kCharWidth, kCharHeight};
}

void PixelCanvas::PrefixText(int x, int y, std::u16string_view caption, setup::Colour c,
                             setup::TextLook look) {
  texts_.push_back({x, y, setup::StripAccessKeys(caption), c, look, font_});
}
