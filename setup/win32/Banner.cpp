#include "Banner.h"

#include <objidl.h>
#include <ocidl.h>
#include <olectl.h>

#include <cstring>

#include "GdiHandles.h"

namespace setupwin {
namespace {

bool LooksLikeJpeg(const std::vector<std::uint8_t>& b) {
  return b.size() > 3 && b[0] == 0xFF && b[1] == 0xD8 && b[2] == 0xFF;
}

// A stream over a movable global copy of the bytes; the stream frees it.
ComPtr<IStream> StreamOver(const std::vector<std::uint8_t>& bytes) {
  ComPtr<IStream> stream;
  HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  if (mem == nullptr) return stream;
  void* p = GlobalLock(mem);
  if (p == nullptr) {
    GlobalFree(mem);
    return stream;
  }
  std::memcpy(p, bytes.data(), bytes.size());
  GlobalUnlock(mem);
  if (FAILED(CreateStreamOnHGlobal(mem, TRUE, stream.Out()))) GlobalFree(mem);
  return stream;
}

}  // namespace

bool Banner::Load(const std::vector<std::uint8_t>& bytes) {
  picture_.Reset();
  if (!LooksLikeJpeg(bytes)) return false;
  ComPtr<IStream> stream = StreamOver(bytes);
  if (!stream) return false;
  ComPtr<IPicture> picture;
  const HRESULT hr = OleLoadPicture(stream.Get(), static_cast<LONG>(bytes.size()), FALSE,
                                    IID_IPicture, reinterpret_cast<void**>(picture.Out()));
  if (FAILED(hr) || !picture) return false;
  short type = PICTYPE_NONE;
  if (FAILED(picture->get_Type(&type)) || type != PICTYPE_BITMAP) return false;
  picture_ = std::move(picture);
  return true;
}

void Banner::Paint(HDC dc, const RECT& rc) const {
  if (picture_) {
    OLE_XSIZE_HIMETRIC w = 0;
    OLE_YSIZE_HIMETRIC h = 0;
    picture_->get_Width(&w);
    picture_->get_Height(&h);
    // The picture's origin is its bottom-left corner in HIMETRIC units.
    if (SUCCEEDED(picture_->Render(dc, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, 0,
                                   h, w, -h, nullptr))) {
      return;
    }
  }
  PaintBuiltInBanner(dc, rc);
}

void PaintBuiltInBanner(HDC dc, const RECT& rc) {
  const int height = rc.bottom - rc.top;
  const int width = rc.right - rc.left;
  // Deep blue at the top to teal at the bottom, one band per row.
  for (int y = 0; y < height; ++y) {
    const int r = 18 + 10 * y / (height > 0 ? height : 1);
    const int g = 52 + 90 * y / (height > 0 ? height : 1);
    const int b = 110 + 40 * y / (height > 0 ? height : 1);
    Brush band(CreateSolidBrush(RGB(r, g, b)));
    RECT row{rc.left, rc.top + y, rc.right, rc.top + y + 1};
    FillRect(dc, &row, band.Get());
  }
  // A light quill stroke across the right of the band.
  Pen stroke(CreatePen(PS_SOLID, 3, RGB(200, 225, 240)));
  {
    Selected sel(dc, stroke.Get());
    MoveToEx(dc, rc.left + width * 3 / 4, rc.top + height * 4 / 5, nullptr);
    LineTo(dc, rc.left + width - 24, rc.top + 16);
  }
  LOGFONTW lf{};
  lf.lfHeight = -(height * 2 / 5);
  lf.lfWeight = FW_BOLD;
  lf.lfCharSet = DEFAULT_CHARSET;
  lstrcpyW(lf.lfFaceName, L"Arial");
  FontHandle font(CreateFontIndirectW(&lf));
  Selected sel(dc, font.Get());
  const int old_mode = SetBkMode(dc, TRANSPARENT);
  const COLORREF old_colour = SetTextColor(dc, RGB(255, 255, 255));
  RECT text{rc.left + 28, rc.top, rc.right, rc.bottom};
  DrawTextW(dc, L"Quillmark", -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
  SetTextColor(dc, old_colour);
  SetBkMode(dc, old_mode);
}

}  // namespace setupwin
