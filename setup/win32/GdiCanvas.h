#pragma once
// The Canvas on a Windows device context: the owner-drawn controls paint
// through it into the item's DC. The DC's selected font is restored when the
// canvas goes.
#include <windows.h>

#include "Canvas.h"
#include "GdiHandles.h"

namespace setupwin {

// A font of `font`'s face, point size and character set for `dc`'s resolution.
FontHandle MakeFont(HDC dc, const setup::FontSpec& font);

class GdiCanvas : public setup::Canvas {
 public:
  explicit GdiCanvas(HDC dc);
  GdiCanvas(const GdiCanvas&) = delete;
  GdiCanvas& operator=(const GdiCanvas&) = delete;
  ~GdiCanvas() override;

  void SetPixel(int x, int y, setup::Colour c) override;
  void Line(int x0, int y0, int x1, int y1, setup::Colour c) override;
  void FillRect(const setup::Rect& r, setup::Colour c) override;
  void FrameRect(const setup::Rect& r, setup::Colour c) override;
  void FocusFrame(const setup::Rect& r) override;
  void SetFont(const setup::FontSpec& font) override;
  setup::Extent TextExtent(std::u16string_view shown) override;
  void PrefixText(int x, int y, std::u16string_view caption, setup::Colour c,
                  setup::TextLook look) override;

 private:
  HDC dc_;
  FontHandle font_;
  HGDIOBJ original_font_ = nullptr;
};

}  // namespace setupwin
