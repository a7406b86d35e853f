#pragma once
// The control's client site: IOleClientSite with the container (unless
// `container` is null), and IServiceProvider that hands out the browser for
// SID_SWebBrowserApp (unless `browserService` is off), which is how the
// control finds its hosting browser when it is sited.
//
// Interface map: IUnknown, IOleClientSite, IServiceProvider.
#include <oleidl.h>
#include <servprov.h>

#include "Counted.h"

namespace host {

class TestSite final : public IOleClientSite, public IServiceProvider, public Counted {
 public:
  TestSite(IOleContainer* c, IUnknown& browser) : container(c), browser_(browser) {}

  IOleContainer* container;  // not owned
  bool browserService = true;

  HOST_COUNTED_IUNKNOWN

  HRESULT STDMETHODCALLTYPE SaveObject() override;
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD assign, DWORD which, IMoniker** mk) override;
  HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** out) override;
  HRESULT STDMETHODCALLTYPE ShowObject() override;
  HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL show) override;
  HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override;

  HRESULT STDMETHODCALLTYPE QueryService(REFGUID service, REFIID iid, void** out) override;

 private:
  IUnknown& browser_;
};

}  // namespace host
