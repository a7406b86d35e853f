#pragma once
// Expected pixels of the flat button and the flat edit box, shared by the
// native test (pixel buffer) and the Wine test (GDI DIB section). The
// gradient rows are written out by hand-checked value, not computed by the
// code under test.
#include <array>
#include <cstdint>

namespace expected {

using Colour = std::uint32_t;  // red in the lowest byte

// The installer dialog's Install button: 87 x 27, a 23-row gradient.
inline constexpr int kButtonWidth = 87;
inline constexpr int kButtonHeight = 27;
inline constexpr int kGradientRows = 23;
inline constexpr Colour kBorder = 8421504;       // grey 128
inline constexpr Colour kBackground = 0x204060;  // what lies under the button

enum class Look { kNormal, kHot, kPressed };

struct ButtonCase {
  const char* name;
  Look look;
  Colour color;
  Colour active;
  std::array<Colour, kGradientRows> rows;  // rows 2 .. 24, top to bottom
};

inline constexpr std::array<ButtonCase, 3> kButtonCases = {{
    // Colour red: from one 23rd of the way off red to exactly white.
    {"NormalRedToWhite", Look::kNormal, 0x0000FF, 0x00FF00, {0x0B0BFF, 0x1616FF, 0x2121FF, 0x2C2CFF,
                                                             0x3737FF, 0x4242FF, 0x4D4DFF, 0x5858FF,
                                                             0x6363FF, 0x6E6EFF, 0x7979FF, 0x8585FF,
                                                             0x9090FF, 0x9B9BFF, 0xA6A6FF, 0xB1B1FF,
                                                             0xBCBCFF, 0xC7C7FF, 0xD2D2FF, 0xDDDDFF,
                                                             0xE8E8FF, 0xF3F3FF, 0xFFFFFF}},
    // Hot: white at the top down to ActiveColor (0, 128, 128); falling
    // channels truncate toward zero (255 - 255/23 gives 244, not 243).
    {"HotWhiteToActive", Look::kHot, 0x0000FF, 8421376, {0xFAFAF4, 0xF4F4E9, 0xEFEFDE, 0xE9E9D3,
                                                         0xE4E4C8, 0xDEDEBD, 0xD9D9B2, 0xD3D3A7,
                                                         0xCECE9C, 0xC8C891, 0xC3C386, 0xBDBD7A,
                                                         0xB8B86F, 0xB2B264, 0xADAD59, 0xA7A74E,
                                                         0xA2A243, 0x9C9C38, 0x97972D, 0x919122,
                                                         0x8C8C17, 0x86860C, 0x808000}},
    // Pressed: the dialog's ActiveColor (235, 235, 236) down to white.
    {"PressedActiveToWhite",
     Look::kPressed,
     0x0000FF,
     15526891,
     {0xECEBEB, 0xEDECEC, 0xEEEDED, 0xEFEEEE, 0xF0EFEF, 0xF0F0F0, 0xF1F1F1, 0xF2F1F1,
      0xF3F2F2, 0xF4F3F3, 0xF5F4F4, 0xF5F5F5, 0xF6F6F6, 0xF7F7F7, 0xF8F8F8, 0xF9F8F8,
      0xFAF9F9, 0xFAFAFA, 0xFBFBFB, 0xFCFCFC, 0xFDFDFD, 0xFEFEFE, 0xFFFFFF}},
}};

// The pixel at (x, y) of a caption-less button in `c`'s look, painted over
// kBackground; `gradient` false leaves the face as the background.
inline Colour ButtonPixel(const ButtonCase& c, int x, int y, bool gradient = true) {
  const int r = kButtonWidth - 1;
  const int b = kButtonHeight - 1;
  if (x == 0 || y == 0 || x == r || y == b) return kBorder;
  if (x == 1 || y == 1 || x == r - 1 || y == b - 1) return kBackground;  // the unpainted ring
  return gradient ? c.rows[static_cast<std::size_t>(y - 2)] : kBackground;
}

// The focus frame lies on the button shrunk by 3 pixels; the system frame
// inverts every other pixel of it, those with x + y odd.
inline bool OnFocusFrame(int x, int y) {
  const int l = 3, t = 3, r = kButtonWidth - 4, b = kButtonHeight - 4;
  const bool on_edge =
      ((x == l || x == r) && y >= t && y <= b) || ((y == t || y == b) && x >= l && x <= r);
  return on_edge && ((x + y) % 2 == 1);
}

// The edit box: a 361 x 19 client area (the dialog's path box) filled with
// its background, then a one-pixel frame on its outermost pixels.
inline constexpr int kEditWidth = 361;
inline constexpr int kEditHeight = 19;
inline constexpr Colour kEditBackground = 0xFFFFFF;
inline constexpr Colour kEditBorder = 32896;    // without the focus
inline constexpr Colour kEditActive = 8421376;  // with the focus

inline Colour EditPixel(int x, int y, bool focused) {
  if (x == 0 || y == 0 || x == kEditWidth - 1 || y == kEditHeight - 1) {
    return focused ? kEditActive : kEditBorder;
  }
  return kEditBackground;
}

}  // namespace expected
