#include "GdiCanvas.h"

#include <algorithm>
#include <string>

namespace setupwin {
namespace {

RECT ToRect(const setup::Rect& r) {
  return RECT{r.left, r.top, r.right, r.bottom};
}

const wchar_t* Wide(std::u16string_view s) {
  return reinterpret_cast<const wchar_t*>(s.data());
}

}  // namespace

FontHandle MakeFont(HDC dc, const setup::FontSpec& font) {
  LOGFONTW lf{};
  lf.lfHeight = -MulDiv(font.size, GetDeviceCaps(dc, LOGPIXELSY), 72);
  lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  lf.lfCharSet = static_cast<BYTE>(font.charset);
  lf.lfQuality = DEFAULT_QUALITY;
  const std::size_t n = std::min<std::size_t>(font.name.size(), LF_FACESIZE - 1);
  for (std::size_t i = 0; i < n; ++i) lf.lfFaceName[i] = static_cast<wchar_t>(font.name[i]);
  return FontHandle(CreateFontIndirectW(&lf));
}

GdiCanvas::GdiCanvas(HDC dc) : dc_(dc) {}

GdiCanvas::~GdiCanvas() {
  if (original_font_ != nullptr) SelectObject(dc_, original_font_);
}

void GdiCanvas::SetPixel(int x, int y, setup::Colour c) {
  SetPixelV(dc_, x, y, c);
}

void GdiCanvas::Line(int x0, int y0, int x1, int y1, setup::Colour c) {
  Pen pen(CreatePen(PS_SOLID, 1, c));
  Selected sel(dc_, pen.Get());
  MoveToEx(dc_, x0, y0, nullptr);
  LineTo(dc_, x1, y1);
}

void GdiCanvas::FillRect(const setup::Rect& r, setup::Colour c) {
  Brush brush(CreateSolidBrush(c));
  const RECT rc = ToRect(r);
  ::FillRect(dc_, &rc, brush.Get());
}

void GdiCanvas::FrameRect(const setup::Rect& r, setup::Colour c) {
  Brush brush(CreateSolidBrush(c));
  const RECT rc = ToRect(r);
  ::FrameRect(dc_, &rc, brush.Get());
}

void GdiCanvas::FocusFrame(const setup::Rect& r) {
  // The dotted focus frame: every other pixel of the outline (x + y odd)
  // inverted, as the system draws it on a fresh DC. Drawn pixel by pixel so
  // that it does not depend on the DC's pen, brush origin or colours.
  if (r.Width() <= 0 || r.Height() <= 0) return;
  auto invert = [&](int x, int y) {
    if ((x + y) % 2 != 0) PatBlt(dc_, x, y, 1, 1, DSTINVERT);
  };
  for (int x = r.left; x < r.right; ++x) {
    invert(x, r.top);
    if (r.bottom - 1 > r.top) invert(x, r.bottom - 1);
  }
  for (int y = r.top + 1; y < r.bottom - 1; ++y) {
    invert(r.left, y);
    if (r.right - 1 > r.left) invert(r.right - 1, y);
  }
}

void GdiCanvas::SetFont(const setup::FontSpec& font) {
  FontHandle f = MakeFont(dc_, font);
  if (!f) return;
  HGDIOBJ old = SelectObject(dc_, f.Get());
  if (original_font_ == nullptr) original_font_ = old;
  font_ = std::move(f);  // the previous font of ours is no longer selected
}

setup::Extent GdiCanvas::TextExtent(std::u16string_view shown) {
  SIZE size{};
  GetTextExtentPoint32W(dc_, Wide(shown), static_cast<int>(shown.size()), &size);
  return {size.cx, size.cy};
}

void GdiCanvas::PrefixText(int x, int y, std::u16string_view caption, setup::Colour c,
                           setup::TextLook look) {
  const std::u16string text(caption);
  const int old_mode = SetBkMode(dc_, TRANSPARENT);
  if (look == setup::TextLook::kDisabled) {
    DrawStateW(dc_, nullptr, nullptr, reinterpret_cast<LPARAM>(text.c_str()),
               static_cast<WPARAM>(text.size()), x, y, 0, 0, DST_PREFIXTEXT | DSS_DISABLED);
  } else {
    const COLORREF old_colour = SetTextColor(dc_, c);
    RECT rc{x, y, x + 0x4000, y + 0x4000};
    DrawTextW(dc_, reinterpret_cast<const wchar_t*>(text.c_str()), static_cast<int>(text.size()),
              &rc, DT_SINGLELINE | DT_LEFT | DT_TOP | DT_NOCLIP);
    SetTextColor(dc_, old_colour);
  }
  SetBkMode(dc_, old_mode);
}

}  // namespace setupwin
