#pragma once
// The document's container: IOleContainer, and IServiceProvider that hands
// out the browser for SID_SWebBrowserApp (unless `browserService` is off).
//
// Interface map: IUnknown, IParseDisplayName, IOleContainer,
// IServiceProvider.
#include <oleidl.h>
#include <servprov.h>

#include "Counted.h"

namespace host {

class TestContainer final : public IOleContainer, public IServiceProvider, public Counted {
 public:
  explicit TestContainer(IUnknown& browser) : browser_(browser) {}

  bool serviceProvider = true;
  bool browserService = true;

  HOST_COUNTED_IUNKNOWN

  HRESULT STDMETHODCALLTYPE ParseDisplayName(IBindCtx* bc, LPOLESTR name, ULONG* eaten,
                                             IMoniker** out) override;
  HRESULT STDMETHODCALLTYPE EnumObjects(DWORD flags, IEnumUnknown** e) override;
  HRESULT STDMETHODCALLTYPE LockContainer(BOOL lock) override;

  HRESULT STDMETHODCALLTYPE QueryService(REFGUID service, REFIID iid, void** out) override;

 private:
  IUnknown& browser_;
};

}  // namespace host
