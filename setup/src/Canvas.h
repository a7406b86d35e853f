#pragma once
// A small drawing surface for the installer's owner-drawn controls. The
// controls paint through it so that the same painting code draws into a
// pixel buffer in tests and into a Windows device context in setup.exe.
#include <cstdint>
#include <string>
#include <string_view>

namespace setup {

// A Windows colour value: red in the lowest byte, then green, then blue.
using Colour = std::uint32_t;

constexpr Colour Rgb(int r, int g, int b) {
  return static_cast<Colour>(r & 0xFF) | (static_cast<Colour>(g & 0xFF) << 8) |
         (static_cast<Colour>(b & 0xFF) << 16);
}
constexpr int RedOf(Colour c) {
  return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(Colour c) {
  return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(Colour c) {
  return static_cast<int>((c >> 16) & 0xFF);
}

inline constexpr Colour kWhite = 0xFFFFFF;

// Left/top inclusive, right/bottom exclusive, as Windows rectangles.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  Rect Shrunk(int by) const { return {left + by, top + by, right - by, bottom - by}; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

struct Extent {
  int cx = 0;
  int cy = 0;
  friend bool operator==(const Extent&, const Extent&) = default;
};

struct FontSpec {
  std::u16string name;
  int size = 9;  // points
  int charset = 1;
  bool bold = false;
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

enum class TextLook {
  kNormal,    // in the given colour
  kDisabled,  // the system's embossed grey
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual void SetPixel(int x, int y, Colour c) = 0;
  // A one-pixel line from (x0, y0) up to, not including, (x1, y1); only
  // horizontal and vertical lines are needed.
  virtual void Line(int x0, int y0, int x1, int y1, Colour c) = 0;
  virtual void FillRect(const Rect& r, Colour c) = 0;
  // A one-pixel frame on the outermost pixels of r.
  virtual void FrameRect(const Rect& r, Colour c) = 0;
  // The system's dotted focus frame on the outermost pixels of r.
  virtual void FocusFrame(const Rect& r) = 0;

  virtual void SetFont(const FontSpec& font) = 0;
  // Extent of text as shown (access-key markers already removed).
  virtual Extent TextExtent(std::u16string_view shown) = 0;
  // Draws a caption with a transparent background, "&" marking the access
  // key (underlined) and "&&" standing for one "&".
  virtual void PrefixText(int x, int y, std::u16string_view caption, Colour c, TextLook look) = 0;
};

}  // namespace setup
