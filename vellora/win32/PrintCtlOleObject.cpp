// PrintCtl: IOleObject and IOleControl, with the siting of the control.
#include <servprov.h>
#include <shlguid.h>

#include "PrintCtl.h"

namespace vcom {

// Takes the hosting browser from the new site: site -> IServiceProvider ->
// SID_SWebBrowserApp as IWebBrowserApp -> IWebBrowser2. Any failure leaves
// the reference empty; a host that is not a browser still sites the control.
void PrintCtl::TakeHostBrowser(IOleClientSite* site) {
  hostBrowser_.reset();
  if (site == nullptr) return;
  ComPtr<IServiceProvider> provider;
  if (FAILED(site->QueryInterface(IID_IServiceProvider, provider.put_void()))) return;
  ComPtr<IWebBrowserApp> app;
  if (FAILED(provider->QueryService(SID_SWebBrowserApp, IID_IWebBrowserApp, app.put_void())) ||
      !app) {
    return;
  }
  app.As(hostBrowser_);
}

HRESULT PrintCtl::SetClientSite(IOleClientSite* site) {
  TakeHostBrowser(site);
  clientSite_ = ComPtr<IOleClientSite>(site);
  return S_OK;
}

HRESULT PrintCtl::GetClientSite(IOleClientSite** site) {
  if (site == nullptr) return E_POINTER;
  *site = ComPtr<IOleClientSite>(clientSite_).detach();
  return S_OK;
}

HRESULT PrintCtl::SetHostNames(LPCOLESTR, LPCOLESTR) {
  return S_OK;
}

HRESULT PrintCtl::Close(DWORD) {
  InPlaceDeactivate();
  if (oleAdvise_) oleAdvise_->SendOnClose();
  oleAdvise_.reset();
  viewSink_.reset();
  return S_OK;
}

HRESULT PrintCtl::SetMoniker(DWORD, IMoniker*) {
  return E_NOTIMPL;
}

HRESULT PrintCtl::GetMoniker(DWORD assign, DWORD which, IMoniker** mk) {
  if (mk == nullptr) return E_POINTER;
  *mk = nullptr;
  if (!clientSite_) return E_UNEXPECTED;
  return clientSite_->GetMoniker(assign, which, mk);
}

HRESULT PrintCtl::InitFromData(IDataObject*, BOOL, DWORD) {
  return E_NOTIMPL;
}

HRESULT PrintCtl::GetClipboardData(DWORD, IDataObject** data) {
  if (data) *data = nullptr;
  return E_NOTIMPL;
}

HRESULT PrintCtl::DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND, LPCRECT pos) {
  if (pos != nullptr) pos_ = *pos;
  switch (verb) {
    case OLEIVERB_PRIMARY:
    case OLEIVERB_SHOW:
    case OLEIVERB_UIACTIVATE: return ActivateInPlace(site ? site : clientSite_.get(), true);
    case OLEIVERB_INPLACEACTIVATE: return ActivateInPlace(site ? site : clientSite_.get(), false);
    case OLEIVERB_HIDE: UIDeactivate(); return S_OK;
    case OLEIVERB_OPEN:
    case OLEIVERB_DISCARDUNDOSTATE: return S_OK;
    default: return verb > 0 ? OLEOBJ_S_INVALIDVERB : E_NOTIMPL;
  }
}

// In-place activation, windowless when the site supports it. The control
// shows nothing at run time, so it never needs a window of its own.
HRESULT PrintCtl::ActivateInPlace(IOleClientSite* site, bool uiActivate) {
  if (site == nullptr) return E_UNEXPECTED;
  if (!inPlaceSite_) {
    ComPtr<IOleInPlaceSite> ip;
    if (FAILED(site->QueryInterface(IID_IOleInPlaceSite, ip.put_void()))) return E_FAIL;
    if (ip->CanInPlaceActivate() != S_OK) return E_FAIL;
    ComPtr<IOleInPlaceSiteWindowless> wl;
    windowless_ = SUCCEEDED(ip.As(wl)) && wl->CanWindowlessActivate() == S_OK;
    HRESULT hr;
    if (windowless_) {
      BOOL noRedraw = FALSE;
      hr = wl->OnInPlaceActivateEx(&noRedraw, ACTIVATE_WINDOWLESS);
    } else {
      hr = ip->OnInPlaceActivate();
    }
    if (FAILED(hr)) return hr;
    inPlaceSite_ = ip;
    ComPtr<IOleInPlaceFrame> frame;
    ComPtr<IOleInPlaceUIWindow> doc;
    RECT pos{}, clip{};
    OLEINPLACEFRAMEINFO info{};
    info.cb = sizeof info;
    if (SUCCEEDED(ip->GetWindowContext(frame.put(), doc.put(), &pos, &clip, &info))) pos_ = pos;
  }
  if (uiActivate && !uiActive_) {
    uiActive_ = true;
    inPlaceSite_->OnUIActivate();
  }
  return S_OK;
}

HRESULT PrintCtl::EnumVerbs(IEnumOLEVERB** verbs) {
  if (verbs == nullptr) return E_POINTER;
  return OleRegEnumVerbs(CLSID_PrintCtl, verbs);
}

HRESULT PrintCtl::Update() {
  return S_OK;
}
HRESULT PrintCtl::IsUpToDate() {
  return S_OK;
}

HRESULT PrintCtl::GetUserClassID(CLSID* clsid) {
  if (clsid == nullptr) return E_POINTER;
  *clsid = CLSID_PrintCtl;
  return S_OK;
}

HRESULT PrintCtl::GetUserType(DWORD form, LPOLESTR* type) {
  if (type == nullptr) return E_POINTER;
  return OleRegGetUserType(CLSID_PrintCtl, form, type);
}

HRESULT PrintCtl::SetExtent(DWORD aspect, SIZEL* size) {
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (size == nullptr) return E_POINTER;
  if (size->cx != extent_.cx || size->cy != extent_.cy) dirty_ = true;
  extent_ = *size;
  return S_OK;
}

HRESULT PrintCtl::GetExtent(DWORD aspect, SIZEL* size) {
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (size == nullptr) return E_POINTER;
  *size = extent_;
  return S_OK;
}

HRESULT PrintCtl::Advise(IAdviseSink* sink, DWORD* cookie) {
  if (!oleAdvise_) {
    HRESULT hr = CreateOleAdviseHolder(oleAdvise_.put());
    if (FAILED(hr)) return hr;
  }
  return oleAdvise_->Advise(sink, cookie);
}

HRESULT PrintCtl::Unadvise(DWORD cookie) {
  if (!oleAdvise_) return OLE_E_NOCONNECTION;
  return oleAdvise_->Unadvise(cookie);
}

HRESULT PrintCtl::EnumAdvise(IEnumSTATDATA** e) {
  if (e == nullptr) return E_POINTER;
  *e = nullptr;
  if (!oleAdvise_) return E_FAIL;
  return oleAdvise_->EnumAdvise(e);
}

HRESULT PrintCtl::GetMiscStatus(DWORD, DWORD* status) {
  if (status == nullptr) return E_POINTER;
  *status = kMiscStatus;
  return S_OK;
}

HRESULT PrintCtl::SetColorScheme(LOGPALETTE*) {
  return E_NOTIMPL;
}

// ---- IOleControl ---------------------------------------------------------------

HRESULT PrintCtl::GetControlInfo(CONTROLINFO* info) {
  if (info == nullptr) return E_POINTER;
  // No mnemonics.
  info->hAccel = nullptr;
  info->cAccel = 0;
  info->dwFlags = 0;
  return S_OK;
}

HRESULT PrintCtl::OnMnemonic(MSG*) {
  return E_NOTIMPL;
}
HRESULT PrintCtl::OnAmbientPropertyChange(DISPID) {
  return S_OK;
}

HRESULT PrintCtl::FreezeEvents(BOOL freeze) {
  if (freeze) {
    ++freezeCount_;
  } else if (freezeCount_ > 0) {
    --freezeCount_;
  }
  return S_OK;
}

}  // namespace vcom
