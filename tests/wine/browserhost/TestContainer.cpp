#include "TestContainer.h"

#include <shlguid.h>

namespace host {

HRESULT TestContainer::QueryInterface(REFIID iid, void** out) {
  if (iid == IID_IUnknown || iid == IID_IParseDisplayName || iid == IID_IOleContainer) {
    return Hand(static_cast<IOleContainer*>(this), out);
  }
  if (iid == IID_IServiceProvider) {
    return Hand(serviceProvider ? static_cast<IServiceProvider*>(this) : nullptr, out);
  }
  return Hand<IUnknown>(nullptr, out);
}

HRESULT TestContainer::ParseDisplayName(IBindCtx*, LPOLESTR, ULONG*, IMoniker**) {
  return E_NOTIMPL;
}

HRESULT TestContainer::EnumObjects(DWORD, IEnumUnknown**) {
  return E_NOTIMPL;
}

HRESULT TestContainer::LockContainer(BOOL) {
  return S_OK;
}

HRESULT TestContainer::QueryService(REFGUID service, REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (!browserService || service != SID_SWebBrowserApp) return E_NOINTERFACE;
  return browser_.QueryInterface(iid, out);
}

}  // namespace host
