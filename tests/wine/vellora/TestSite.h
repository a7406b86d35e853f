#pragma once
// A client site for siting tests: IOleClientSite, and IServiceProvider
// answering SID_SWebBrowserApp with its browser when it has one.
#include <windows.h>
// windows.h first
#include <ole2.h>
#include <servprov.h>
#include <shlguid.h>

class TestSite final : public IOleClientSite, public IServiceProvider {
 public:
  explicit TestSite(IUnknown* browser, bool offersServices = true)
      : browser_(browser), services_(offersServices) {}
  LONG refs = 1;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid == IID_IUnknown || iid == IID_IOleClientSite) {
      *out = static_cast<IOleClientSite*>(this);
    } else if (services_ && iid == IID_IServiceProvider) {
      *out = static_cast<IServiceProvider*>(this);
    } else {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
  ULONG STDMETHODCALLTYPE Release() override { return --refs; }

  HRESULT STDMETHODCALLTYPE QueryService(REFGUID sid, REFIID iid, void** out) override {
    *out = nullptr;
    if (sid != SID_SWebBrowserApp || browser_ == nullptr) return E_NOINTERFACE;
    return browser_->QueryInterface(iid, out);
  }

  HRESULT STDMETHODCALLTYPE SaveObject() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** mk) override {
    *mk = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** c) override {
    *c = nullptr;
    return E_NOINTERFACE;
  }
  HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

 private:
  IUnknown* browser_;
  bool services_;
};
