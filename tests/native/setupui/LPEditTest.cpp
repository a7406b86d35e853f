#include <gtest/gtest.h>

#include "ExpectedPixels.h"
#include "LPEdit.h"
#include "PixelCanvas.h"

using setup::TLPEdit;

namespace {

void ExpectFrame(const PixelCanvas& canvas, bool focused) {
  for (int y = 0; y < expected::kEditHeight; ++y) {
    for (int x = 0; x < expected::kEditWidth; ++x) {
      ASSERT_EQ(canvas.At(x, y), expected::EditPixel(x, y, focused)) << x << "," << y;
    }
  }
}

}  // namespace

TEST(TLPEdit, FrameTakesBorderOrActiveColourAsFocusMoves) {
  TLPEdit e;
  EXPECT_EQ(e.BorderColor(), 32896u);
  EXPECT_EQ(e.ActiveColor(), 8421376u);
  for (bool focused : {false, true, false}) {
    if (focused) {
      e.SetFocus();
    } else {
      e.KillFocus();
    }
    // The edit's own painting comes first: background and (here) no text.
    PixelCanvas canvas(expected::kEditWidth, expected::kEditHeight, expected::kEditBackground);
    e.PaintFrame(canvas, expected::kEditWidth, expected::kEditHeight);
    ExpectFrame(canvas, focused);
  }
}

TEST(TLPEdit, DisablingGreysTheBackgroundAndEnablingRestoresIt) {
  int repaints = 0;
  TLPEdit e([&] { ++repaints; });
  e.SetColor(0xFFFFFF);
  e.EnabledChanged(false);
  EXPECT_EQ(e.Color(), setup::Rgb(225, 225, 225));
  EXPECT_EQ(e.SavedColor(), 0xFFFFFFu);
  e.EnabledChanged(true);
  EXPECT_EQ(e.Color(), 0xFFFFFFu);
  EXPECT_EQ(repaints, 2);
}

TEST(TLPEdit, FrameSettersRepaintEvenWithoutChange) {
  int repaints = 0;
  TLPEdit e([&] { ++repaints; });
  e.SetBorderColor(e.BorderColor());
  e.SetActiveColor(e.ActiveColor());
  EXPECT_EQ(repaints, 2);
}

TEST(TLPEdit, FrameInButtonFaceColourVanishesOnAButtonFaceBackground) {
  const setup::Colour face = 0xD8E9EC;
  TLPEdit e;
  e.SetBorderColor(face);
  e.SetActiveColor(face);
  e.SetColor(face);
  for (bool focused : {false, true}) {
    if (focused) e.SetFocus();
    PixelCanvas canvas(50, 19, face);
    e.PaintFrame(canvas, 50, 19);
    for (int y = 0; y < 19; ++y) {
      for (int x = 0; x < 50; ++x) ASSERT_EQ(canvas.At(x, y), face);
    }
  }
}
