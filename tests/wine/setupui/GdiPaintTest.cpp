#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "ExpectedPixels.h"
#include "GdiCanvas.h"
#include "GdiHandles.h"
#include "LPButton.h"
#include "LPEdit.h"

using setup::TLPButton;

namespace {

// A 32-bit top-down DIB section selected into a memory DC.
class Dib {
 public:
  Dib(int w, int h, expected::Colour background) : w_(w), h_(h), dc_(nullptr) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    bitmap_.Reset(CreateDIBSection(dc_.Get(), &bi, DIB_RGB_COLORS, &bits_, nullptr, 0));
    old_ = SelectObject(dc_.Get(), bitmap_.Get());
    RECT rc{0, 0, w, h};
    setupwin::Brush brush(CreateSolidBrush(background));
    FillRect(dc_.Get(), &rc, brush.Get());
  }
  ~Dib() { SelectObject(dc_.Get(), old_); }

  HDC Dc() const { return dc_.Get(); }
  // As a Windows colour value (red lowest), whatever GDI left in the top byte.
  expected::Colour At(int x, int y) const {
    GdiFlush();
    const auto p = static_cast<const std::uint32_t*>(bits_)[y * w_ + x];
    return ((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16);
  }
  int W() const { return w_; }
  int H() const { return h_; }

 private:
  int w_, h_;
  setupwin::MemoryDc dc_;
  setupwin::Bitmap bitmap_;
  void* bits_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

const setup::Rect kItem{0, 0, expected::kButtonWidth, expected::kButtonHeight};

TLPButton ButtonIn(const expected::ButtonCase& c, bool& selected) {
  TLPButton b;
  b.SetSize(expected::kButtonWidth, expected::kButtonHeight);
  b.SetBorderColor(expected::kBorder);
  b.SetColor(c.color);
  b.SetActiveColor(c.active);
  selected = false;
  if (c.look == expected::Look::kHot) b.MouseEnter();
  if (c.look == expected::Look::kPressed) {
    b.LButtonDown();
    selected = true;
  }
  return b;
}

// The bounding box of the pixels that differ from the caption-less button.
RECT Ink(const Dib& dib, const expected::ButtonCase& c) {
  RECT box{dib.W(), dib.H(), -1, -1};
  for (int y = 0; y < dib.H(); ++y) {
    for (int x = 0; x < dib.W(); ++x) {
      if (dib.At(x, y) == expected::ButtonPixel(c, x, y)) continue;
      box.left = std::min<LONG>(box.left, x);
      box.top = std::min<LONG>(box.top, y);
      box.right = std::max<LONG>(box.right, x + 1);
      box.bottom = std::max<LONG>(box.bottom, y + 1);
    }
  }
  return box;
}

}  // namespace

TEST(GdiPaint, ButtonLooksMatchTheExpectedPixels) {
  for (const expected::ButtonCase& c : expected::kButtonCases) {
    SCOPED_TRACE(c.name);
    bool selected = false;
    TLPButton b = ButtonIn(c, selected);
    Dib dib(expected::kButtonWidth, expected::kButtonHeight, expected::kBackground);
    {
      setupwin::GdiCanvas canvas(dib.Dc());
      b.Paint(canvas, {kItem, selected}, {});
    }
    int wrong = 0;
    for (int y = 0; y < dib.H(); ++y) {
      for (int x = 0; x < dib.W(); ++x) {
        if (dib.At(x, y) != expected::ButtonPixel(c, x, y) && wrong++ < 5) {
          ADD_FAILURE() << "pixel " << x << "," << y << ": " << std::hex << dib.At(x, y)
                        << " expected " << expected::ButtonPixel(c, x, y);
        }
      }
    }
    EXPECT_EQ(wrong, 0);
  }
}

TEST(GdiPaint, SystemFocusFrameInvertsTheExpectedPixels) {
  const expected::ButtonCase& c = expected::kButtonCases[0];
  bool selected = false;
  TLPButton b = ButtonIn(c, selected);
  b.FocusChanged(true, true, false);
  Dib dib(expected::kButtonWidth, expected::kButtonHeight, expected::kBackground);
  {
    setupwin::GdiCanvas canvas(dib.Dc());
    b.Paint(canvas, {kItem, false}, {});
  }
  for (int y = 0; y < dib.H(); ++y) {
    for (int x = 0; x < dib.W(); ++x) {
      expected::Colour want = expected::ButtonPixel(c, x, y);
      if (expected::OnFocusFrame(x, y)) want ^= 0xFFFFFF;
      ASSERT_EQ(dib.At(x, y), want) << x << "," << y;
    }
  }
}

TEST(GdiPaint, CaptionIsCentredByItsShownWidthAndPressedMovesItByOnePixel) {
  const expected::ButtonCase& normal = expected::kButtonCases[0];
  const setup::FontSpec font{u"Tahoma", 9, 1, false};
  RECT ink[2] = {};
  int width = 0;
  for (int pressed = 0; pressed < 2; ++pressed) {
    TLPButton b;
    b.SetSize(expected::kButtonWidth, expected::kButtonHeight);
    b.SetBorderColor(expected::kBorder);
    b.SetColor(normal.color);
    // The pressed look with the normal gradient: selected but not hot.
    Dib dib(expected::kButtonWidth, expected::kButtonHeight, expected::kBackground);
    {
      setupwin::GdiCanvas canvas(dib.Dc());
      b.Paint(canvas, {kItem, pressed == 1}, {u"&Install", font, 0x000000, true});
      width = canvas.TextExtent(u"Install").cx;
    }
    ink[pressed] = Ink(dib, normal);
  }
  ASSERT_GT(width, 0);
  const int x = (expected::kButtonWidth - width) / 2;
  // The ink lies within the measured text's box, the underline included.
  EXPECT_GE(ink[0].left, x);
  EXPECT_LE(ink[0].right, x + width);
  EXPECT_LT(ink[0].left, x + width / 4) << "text starts near the centred position";
  EXPECT_EQ(ink[1].left, ink[0].left + 1);
  EXPECT_EQ(ink[1].top, ink[0].top + 1);
  EXPECT_EQ(ink[1].right, ink[0].right + 1);
  EXPECT_EQ(ink[1].bottom, ink[0].bottom + 1);
}

TEST(GdiPaint, EditFrameMatchesTheExpectedPixels) {
  setup::TLPEdit e;
  for (bool focused : {false, true}) {
    if (focused) e.SetFocus();
    Dib dib(expected::kEditWidth, expected::kEditHeight, expected::kEditBackground);
    {
      setupwin::GdiCanvas canvas(dib.Dc());
      e.PaintFrame(canvas, expected::kEditWidth, expected::kEditHeight);
    }
    for (int y = 0; y < dib.H(); ++y) {
      for (int x = 0; x < dib.W(); ++x) {
        ASSERT_EQ(dib.At(x, y), expected::EditPixel(x, y, focused)) << x << "," << y;
      }
    }
  }
}
