#include "TestSite.h"

#include <shlguid.h>

namespace host {

HRESULT TestSite::QueryInterface(REFIID iid, void** out) {
  if (iid == IID_IUnknown || iid == IID_IOleClientSite) {
    return Hand(static_cast<IOleClientSite*>(this), out);
  }
  if (iid == IID_IServiceProvider) return Hand(static_cast<IServiceProvider*>(this), out);
  return Hand<IUnknown>(nullptr, out);
}

HRESULT TestSite::SaveObject() {
  return E_NOTIMPL;
}

HRESULT TestSite::GetMoniker(DWORD, DWORD, IMoniker** mk) {
  if (mk) *mk = nullptr;
  return E_NOTIMPL;
}

HRESULT TestSite::GetContainer(IOleContainer** out) {
  if (out == nullptr) return E_POINTER;
  *out = container;
  if (container == nullptr) return E_NOINTERFACE;
  container->AddRef();
  return S_OK;
}

HRESULT TestSite::ShowObject() {
  return S_OK;
}

HRESULT TestSite::OnShowWindow(BOOL) {
  return S_OK;
}

HRESULT TestSite::RequestNewObjectLayout() {
  return E_NOTIMPL;
}

HRESULT TestSite::QueryService(REFGUID service, REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (!browserService || service != SID_SWebBrowserApp) return E_NOINTERFACE;
  return browser_.QueryInterface(iid, out);
}

}  // namespace host
