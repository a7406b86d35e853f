// PrintCtl: IOleWindow, IOleInPlaceObject(Windowless), IOleInPlaceActiveObject.
#include "PrintCtl.h"

namespace vcom {

// Windowless: there is no window to report.
HRESULT PrintCtl::GetWindow(HWND* hwnd) {
  if (hwnd == nullptr) return E_POINTER;
  *hwnd = nullptr;
  return E_FAIL;
}

HRESULT PrintCtl::ContextSensitiveHelp(BOOL) {
  return E_NOTIMPL;
}

HRESULT PrintCtl::InPlaceDeactivate() {
  if (!inPlaceSite_) return S_OK;
  UIDeactivate();
  ComPtr<IOleInPlaceSite> site = inPlaceSite_;
  inPlaceSite_.reset();
  ComPtr<IOleInPlaceSiteWindowless> wl;
  if (windowless_ && SUCCEEDED(site.As(wl))) {
    wl->OnInPlaceDeactivateEx(TRUE);
  } else {
    site->OnInPlaceDeactivate();
  }
  return S_OK;
}

HRESULT PrintCtl::UIDeactivate() {
  if (!uiActive_) return S_OK;
  uiActive_ = false;
  if (inPlaceSite_) inPlaceSite_->OnUIDeactivate(FALSE);
  return S_OK;
}

HRESULT PrintCtl::SetObjectRects(LPCRECT pos, LPCRECT) {
  if (pos == nullptr) return E_POINTER;
  pos_ = *pos;
  return S_OK;
}

HRESULT PrintCtl::ReactivateAndUndo() {
  return E_NOTIMPL;
}

// The control handles no window messages; the container's default applies.
HRESULT PrintCtl::OnWindowMessage(UINT, WPARAM, LPARAM, LRESULT* result) {
  if (result) *result = 0;
  return S_FALSE;
}

HRESULT PrintCtl::GetDropTarget(IDropTarget** target) {
  if (target) *target = nullptr;
  return E_NOTIMPL;
}

HRESULT PrintCtl::TranslateAccelerator(LPMSG) {
  return S_FALSE;
}
HRESULT PrintCtl::OnFrameWindowActivate(BOOL) {
  return S_OK;
}
HRESULT PrintCtl::OnDocWindowActivate(BOOL) {
  return S_OK;
}
HRESULT PrintCtl::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) {
  return S_OK;
}
HRESULT PrintCtl::EnableModeless(BOOL) {
  return S_OK;
}

}  // namespace vcom
