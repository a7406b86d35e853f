#include <gtest/gtest.h>

#include "ExpectedPixels.h"
#include "LPButton.h"
#include "PixelCanvas.h"

using setup::TLPButton;

namespace {

// Puts `b` into the look of `c` through its own events and returns whether
// the draw request carries the selected bit.
bool EnterLook(TLPButton& b, expected::Look look) {
  switch (look) {
    case expected::Look::kNormal: return false;
    case expected::Look::kHot: b.MouseEnter(); return false;
    case expected::Look::kPressed: b.LButtonDown(); return true;
  }
  return false;
}

TLPButton DialogButton(const expected::ButtonCase& c) {
  TLPButton b;
  b.SetSize(expected::kButtonWidth, expected::kButtonHeight);
  b.SetBorderColor(expected::kBorder);
  b.SetColor(c.color);
  b.SetActiveColor(c.active);
  return b;
}

const setup::Rect kItem{0, 0, expected::kButtonWidth, expected::kButtonHeight};

}  // namespace

TEST(TLPButton, StartsAsNinetyByThirtyGreyBorderedGradientButton) {
  TLPButton b;
  EXPECT_EQ(b.Width(), 90);
  EXPECT_EQ(b.Height(), 30);
  EXPECT_EQ(b.BorderColor(), 8421504u);
  EXPECT_EQ(b.Color(), 32896u);
  EXPECT_EQ(b.ActiveColor(), 32896u);
  EXPECT_TRUE(b.GradientColor());
  EXPECT_FALSE(b.Hot());
  EXPECT_FALSE(b.ShowFocus());
}

TEST(TLPButton, PaintsBorderRingAndGradientRowsOfEachLook) {
  for (const expected::ButtonCase& c : expected::kButtonCases) {
    SCOPED_TRACE(c.name);
    TLPButton b = DialogButton(c);
    const bool selected = EnterLook(b, c.look);
    PixelCanvas canvas(expected::kButtonWidth, expected::kButtonHeight, expected::kBackground);
    b.Paint(canvas, {kItem, selected}, {});
    int wrong = 0;
    for (int y = 0; y < expected::kButtonHeight; ++y) {
      for (int x = 0; x < expected::kButtonWidth; ++x) {
        if (canvas.At(x, y) != expected::ButtonPixel(c, x, y) && wrong++ < 5) {
          ADD_FAILURE() << "pixel " << x << "," << y << ": " << std::hex << canvas.At(x, y)
                        << " expected " << expected::ButtonPixel(c, x, y);
        }
      }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_TRUE(canvas.Texts().empty());
  }
}

TEST(TLPButton, SelectedBitWithoutHotStateKeepsTheNormalLook) {
  // The mouse went down elsewhere and came back: the system says selected,
  // but the hot state is off, so the normal gradient is drawn.
  const expected::ButtonCase& normal = expected::kButtonCases[0];
  TLPButton b = DialogButton(normal);
  PixelCanvas canvas(expected::kButtonWidth, expected::kButtonHeight, expected::kBackground);
  b.Paint(canvas, {kItem, true}, {});
  EXPECT_EQ(canvas.At(40, 2), normal.rows.front());
  EXPECT_EQ(canvas.At(40, 24), normal.rows.back());
}

TEST(TLPButton, WithoutGradientTheFaceShowsWhatLiesBelow) {
  const expected::ButtonCase& c = expected::kButtonCases[1];
  TLPButton b = DialogButton(c);
  b.SetGradientColor(false);
  b.MouseEnter();
  b.FocusChanged(true, true, false);
  PixelCanvas canvas(expected::kButtonWidth, expected::kButtonHeight, expected::kBackground);
  b.Paint(canvas, {kItem, false}, {u"Go", {}, 0x00FF00, true});
  for (int y = 0; y < expected::kButtonHeight; ++y) {
    for (int x = 0; x < expected::kButtonWidth; ++x) {
      setup::Colour want = expected::ButtonPixel(c, x, y, false);
      if (expected::OnFocusFrame(x, y)) want ^= 0xFFFFFF;
      ASSERT_EQ(canvas.At(x, y), want) << x << "," << y;
    }
  }
  ASSERT_EQ(canvas.Texts().size(), 1u);  // the caption is still drawn
}

TEST(TLPButton, FocusFrameInvertsEveryOtherPixelThreeInFromTheEdge) {
  const expected::ButtonCase& c = expected::kButtonCases[0];
  TLPButton b = DialogButton(c);
  b.FocusChanged(true, true, false);
  ASSERT_TRUE(b.ShowFocus());
  PixelCanvas canvas(expected::kButtonWidth, expected::kButtonHeight, expected::kBackground);
  b.Paint(canvas, {kItem, false}, {});
  int inverted = 0;
  for (int y = 0; y < expected::kButtonHeight; ++y) {
    for (int x = 0; x < expected::kButtonWidth; ++x) {
      setup::Colour want = expected::ButtonPixel(c, x, y);
      if (expected::OnFocusFrame(x, y)) {
        want ^= 0xFFFFFF;
        ++inverted;
      }
      ASSERT_EQ(canvas.At(x, y), want) << x << "," << y;
    }
  }
  // The outline of an 81 x 21 frame has 200 pixels; half are inverted.
  EXPECT_EQ(inverted, 100);
}

TEST(TLPButton, CentresCaptionByItsShownWidthAndShiftsOnlyWhenPressedAndEnabled) {
  struct Case {
    const char* name;
    bool enabled;
    bool hot;
    bool selected;
    int x, y;
    setup::TextLook look;
  };
  // "&Install" shows 7 characters of 7 x 13: x = (87 - 49) / 2, y = (27 - 13) / 2.
  const Case cases[] = {
      {"normal", true, false, false, 19, 7, setup::TextLook::kNormal},
      {"hot", true, true, false, 19, 7, setup::TextLook::kNormal},
      {"pressed", true, true, true, 20, 8, setup::TextLook::kNormal},
      {"disabled", false, false, false, 19, 7, setup::TextLook::kDisabled},
      {"disabled while selected", false, true, true, 19, 7, setup::TextLook::kDisabled},
  };
  const setup::FontSpec font{u"宋体", 9, 134, false};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TLPButton b;
    b.SetSize(87, 27);
    if (c.hot) b.MouseEnter();
    PixelCanvas canvas(87, 27, 0);
    b.Paint(canvas, {kItem, c.selected}, {u"&Install", font, 3878553, c.enabled});
    ASSERT_EQ(canvas.Texts().size(), 1u);
    const PixelCanvas::TextCall& t = canvas.Texts()[0];
    EXPECT_EQ(t.x, c.x);
    EXPECT_EQ(t.y, c.y);
    EXPECT_EQ(t.shown.text, u"Install");
    EXPECT_EQ(t.shown.underline, 0);
    EXPECT_EQ(t.look, c.look);
    EXPECT_EQ(t.colour, 3878553u);
    EXPECT_EQ(t.font, font);
  }
}

TEST(TLPButton, CentringUsesTheItemRectangleAndTruncates) {
  TLPButton b;
  b.SetSize(72, 27);
  PixelCanvas canvas(72, 27, 0);
  // Three characters: (72 - 21) / 2 = 25.5 -> 25; a wider item moves it.
  b.Paint(canvas, {{0, 0, 72, 27}, false}, {u"abc", {}, 0, true});
  b.Paint(canvas, {{0, 0, 80, 30}, false}, {u"abc", {}, 0, true});
  ASSERT_EQ(canvas.Texts().size(), 2u);
  EXPECT_EQ(canvas.Texts()[0].x, 25);
  EXPECT_EQ(canvas.Texts()[0].y, 7);
  EXPECT_EQ(canvas.Texts()[1].x, 29);
  EXPECT_EQ(canvas.Texts()[1].y, 8);
}

TEST(TLPButton, ButtonsTooLowForAGradientPaintOnlyTheirBorder) {
  for (int h : {1, 2, 3, 4, 5}) {
    TLPButton b;
    b.SetSize(10, h);
    PixelCanvas canvas(10, h, 0x123456);
    b.Paint(canvas, {{0, 0, 10, h}, false}, {});
    EXPECT_EQ(canvas.At(0, 0), 8421504u);
    if (h == 5) {
      EXPECT_EQ(canvas.At(4, 2), 0xFFFFFFu) << "one row, exactly the end colour";
    }
  }
}

TEST(TLPButton, HotStateFollowsMouseAndSpaceBar) {
  struct Step {
    const char* event;
    bool hot;
    bool space_down;
    int repaints;  // cumulative
  };
  int repaints = 0;
  TLPButton b([&] { ++repaints; });
  const Step steps[] = {
      {"enter", true, false, 1},    {"enter", true, false, 1},    {"down", true, false, 2},
      {"up", true, false, 3},       {"leave", false, false, 4},   {"leave", false, false, 4},
      {"space", true, true, 5},     {"space", true, true, 5},     {"key13", true, true, 5},
      {"enter", true, true, 5},     {"spaceup", false, false, 6}, {"spaceup", false, false, 6},
      {"key13up", false, false, 6}, {"down", true, false, 7},     {"up", true, false, 8},
  };
  for (const Step& s : steps) {
    const std::string e = s.event;
    if (e == "enter") b.MouseEnter();
    if (e == "leave") b.MouseLeave();
    if (e == "down") b.LButtonDown();
    if (e == "up") b.LButtonUp();
    if (e == "space") b.KeyDown(32);
    if (e == "spaceup") b.KeyUp(32);
    if (e == "key13") b.KeyDown(13);
    if (e == "key13up") b.KeyUp(13);
    EXPECT_EQ(b.Hot(), s.hot) << e;
    EXPECT_EQ(b.SpaceDown(), s.space_down) << e;
    EXPECT_EQ(repaints, s.repaints) << e;
  }
}

TEST(TLPButton, SpaceHeldDownShowsPressedAndReleaseRestoresNormalUnderTheMouse) {
  const expected::ButtonCase& pressed = expected::kButtonCases[2];
  TLPButton b = DialogButton(pressed);
  b.SetColor(pressed.active);
  b.MouseEnter();
  b.KeyDown(32);
  PixelCanvas down(expected::kButtonWidth, expected::kButtonHeight, expected::kBackground);
  b.Paint(down, {kItem, true}, {});
  EXPECT_EQ(down.At(10, 2), pressed.rows.front());
  b.KeyUp(32);
  EXPECT_FALSE(b.Hot());
  PixelCanvas up(expected::kButtonWidth, expected::kButtonHeight, expected::kBackground);
  b.Paint(up, {kItem, false}, {});
  EXPECT_EQ(up.At(10, 24), 0xFFFFFFu) << "normal look: the bottom row is white";
}

TEST(TLPButton, ColourSettersRepaintOnlyOnChange) {
  int repaints = 0;
  TLPButton b([&] { ++repaints; });
  b.SetBorderColor(8421504);
  b.SetColor(32896);
  b.SetActiveColor(32896);
  b.SetGradientColor(false);
  EXPECT_EQ(repaints, 0);
  b.SetBorderColor(1);
  b.SetColor(2);
  b.SetActiveColor(3);
  EXPECT_EQ(repaints, 3);
  EXPECT_EQ(b.BorderColor(), 1u);
  EXPECT_EQ(b.Color(), 2u);
  EXPECT_EQ(b.ActiveColor(), 3u);
  EXPECT_FALSE(b.GradientColor());
}

TEST(TLPButton, FocusFrameFollowsFocusAndDefaultButton) {
  struct Step {
    bool to_push_button, to_this, is_default;
    bool show;
    int repaints;
  };
  const Step steps[] = {
      {true, true, false, true, 1},     // focus comes to this button
      {true, true, false, true, 1},     // again: no change, no repaint
      {true, false, true, false, 2},    // to another button, even as default
      {false, false, true, true, 3},    // to an edit: shown as default button
      {false, false, false, false, 4},  // to an edit, not default
  };
  int repaints = 0;
  TLPButton b([&] { ++repaints; });
  for (const Step& s : steps) {
    b.FocusChanged(s.to_push_button, s.to_this, s.is_default);
    EXPECT_EQ(b.ShowFocus(), s.show);
    EXPECT_EQ(repaints, s.repaints);
  }
}
