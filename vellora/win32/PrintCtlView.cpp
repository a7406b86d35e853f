// PrintCtl: IViewObject, IViewObject2, IViewObjectEx.
#include "PrintCtl.h"

namespace vcom {
namespace {

// A GDI region, deleted on every path out of scope.
class UniqueRegion {
 public:
  explicit UniqueRegion(HRGN r) : r_(r) {}
  UniqueRegion(const UniqueRegion&) = delete;
  UniqueRegion& operator=(const UniqueRegion&) = delete;
  ~UniqueRegion() {
    if (r_) DeleteObject(r_);
  }
  HRGN get() const { return r_; }

 private:
  HRGN r_;
};

constexpr char kCaption[] = "ATL 7.0 : PrintCtl";

}  // namespace

// Shown only in design mode or by hosts that draw invisible controls: a
// framed box with the control's caption at its centre.
HRESULT PrintCtl::Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC hdcDraw,
                       LPCRECTL bounds, LPCRECTL, BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR) {
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (hdcDraw == nullptr) return E_INVALIDARG;
  RECT rc = pos_;
  if (bounds != nullptr) rc = {bounds->left, bounds->top, bounds->right, bounds->bottom};
  UniqueRegion clip(CreateRectRgnIndirect(&rc));
  bool clipped = clip.get() != nullptr && SelectClipRgn(hdcDraw, clip.get()) != ERROR;
  Rectangle(hdcDraw, rc.left, rc.top, rc.right, rc.bottom);
  SetTextAlign(hdcDraw, TA_CENTER | TA_BASELINE);
  TextOutA(hdcDraw, (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2, kCaption,
           static_cast<int>(sizeof kCaption - 1));
  if (clipped) SelectClipRgn(hdcDraw, nullptr);
  return S_OK;
}

HRESULT PrintCtl::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE** colorSet) {
  if (colorSet) *colorSet = nullptr;
  return S_FALSE;
}

HRESULT PrintCtl::Freeze(DWORD, LONG, void*, DWORD*) {
  return E_NOTIMPL;
}
HRESULT PrintCtl::Unfreeze(DWORD) {
  return E_NOTIMPL;
}

HRESULT PrintCtl::SetAdvise(DWORD aspects, DWORD advf, IAdviseSink* sink) {
  viewSink_ = ComPtr<IAdviseSink>(sink);
  viewAspects_ = aspects;
  viewAdvf_ = advf;
  return S_OK;
}

HRESULT PrintCtl::GetAdvise(DWORD* aspects, DWORD* advf, IAdviseSink** sink) {
  if (aspects) *aspects = viewAspects_;
  if (advf) *advf = viewAdvf_;
  if (sink) *sink = ComPtr<IAdviseSink>(viewSink_).detach();
  return S_OK;
}

HRESULT PrintCtl::GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size) {
  return GetExtent(aspect, size);
}

HRESULT PrintCtl::GetRect(DWORD aspect, LPRECTL rect) {
  if (rect == nullptr) return E_POINTER;
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  *rect = {pos_.left, pos_.top, pos_.right, pos_.bottom};
  return S_OK;
}

// The control paints its frame but not every pixel: not opaque.
HRESULT PrintCtl::GetViewStatus(DWORD* status) {
  if (status == nullptr) return E_POINTER;
  *status = 0;
  return S_OK;
}

HRESULT PrintCtl::QueryHitPoint(DWORD aspect, LPCRECT bounds, POINT loc, LONG, DWORD* hit) {
  if (hit == nullptr || bounds == nullptr) return E_POINTER;
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  *hit = PtInRect(bounds, loc) ? HITRESULT_HIT : HITRESULT_OUTSIDE;
  return S_OK;
}

HRESULT PrintCtl::QueryHitRect(DWORD aspect, LPCRECT bounds, LPCRECT loc, LONG, DWORD* hit) {
  if (hit == nullptr || bounds == nullptr || loc == nullptr) return E_POINTER;
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  RECT both;
  *hit = IntersectRect(&both, bounds, loc) ? HITRESULT_HIT : HITRESULT_OUTSIDE;
  return S_OK;
}

HRESULT PrintCtl::GetNaturalExtent(DWORD, LONG, DVTARGETDEVICE*, HDC, DVEXTENTINFO*, LPSIZEL) {
  return E_NOTIMPL;
}

}  // namespace vcom
