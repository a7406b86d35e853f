#pragma once
// A browser object for siting tests: counts its references, keeps its
// window size and records the commands given to ExecWB; every other member
// answers E_NOTIMPL.
#include <windows.h>
// windows.h first
#include <exdisp.h>

#include <vector>

class FakeBrowser final : public IWebBrowser2 {
 public:
  LONG refs = 1;
  LONG width = 1000;
  LONG height = 700;
  std::vector<OLECMDID> execWb;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IWebBrowser ||
        iid == IID_IWebBrowserApp || iid == IID_IWebBrowser2) {
      *out = static_cast<IWebBrowser2*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
  ULONG STDMETHODCALLTYPE Release() override { return --refs; }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }

  HRESULT STDMETHODCALLTYPE GoBack() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GoForward() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GoHome() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GoSearch() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Navigate(BSTR URL, VARIANT* Flags, VARIANT* TargetFrameName,
                                     VARIANT* PostData, VARIANT* Headers) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Refresh() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Refresh2(VARIANT* Level) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Stop() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Application(IDispatch** ppDisp) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Parent(IDispatch** ppDisp) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Container(IDispatch** ppDisp) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Document(IDispatch** ppDisp) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_TopLevelContainer(VARIANT_BOOL* pBool) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE get_Type(BSTR* Type) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Left(LONG* pl) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_Left(LONG Left) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Top(LONG* pl) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_Top(LONG Top) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Width(LONG* p) override {
    if (!p) return E_POINTER;
    *p = width;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE put_Width(LONG v) override {
    width = v;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_Height(LONG* p) override {
    if (!p) return E_POINTER;
    *p = height;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE put_Height(LONG v) override {
    height = v;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_LocationName(BSTR* LocationName) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_LocationURL(BSTR* LocationURL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Busy(VARIANT_BOOL* pBool) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Quit() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE ClientToWindow(int* pcx, int* pcy) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE PutProperty(BSTR Property, VARIANT vtValue) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetProperty(BSTR Property, VARIANT* pvtValue) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE get_Name(BSTR* Name) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_HWND(SHANDLE_PTR* pHWND) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_FullName(BSTR* FullName) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Path(BSTR* Path) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Visible(VARIANT_BOOL* pBool) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_Visible(VARIANT_BOOL Value) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_StatusBar(VARIANT_BOOL* pBool) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_StatusBar(VARIANT_BOOL Value) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_StatusText(BSTR* StatusText) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_StatusText(BSTR StatusText) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_ToolBar(int* Value) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_ToolBar(int Value) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_MenuBar(VARIANT_BOOL* Value) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_MenuBar(VARIANT_BOOL Value) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_FullScreen(VARIANT_BOOL* pbFullScreen) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE put_FullScreen(VARIANT_BOOL bFullScreen) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Navigate2(VARIANT* URL, VARIANT* Flags, VARIANT* TargetFrameName,
                                      VARIANT* PostData, VARIANT* Headers) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE QueryStatusWB(OLECMDID cmdID, OLECMDF* pcmdf) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE ExecWB(OLECMDID cmdID, OLECMDEXECOPT cmdexecopt, VARIANT* pvaIn,
                                   VARIANT* pvaOut) override {
    execWb.push_back(cmdID);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE ShowBrowserBar(VARIANT* pvaClsid, VARIANT* pvarShow,
                                           VARIANT* pvarSize) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE get_ReadyState(READYSTATE* plReadyState) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Offline(VARIANT_BOOL* pbOffline) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_Offline(VARIANT_BOOL bOffline) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Silent(VARIANT_BOOL* pbSilent) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_Silent(VARIANT_BOOL bSilent) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_RegisterAsBrowser(VARIANT_BOOL* pbRegister) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE put_RegisterAsBrowser(VARIANT_BOOL bRegister) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE get_RegisterAsDropTarget(VARIANT_BOOL* pbRegister) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE put_RegisterAsDropTarget(VARIANT_BOOL bRegister) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE get_TheaterMode(VARIANT_BOOL* pbRegister) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_TheaterMode(VARIANT_BOOL bRegister) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_AddressBar(VARIANT_BOOL* Value) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_AddressBar(VARIANT_BOOL Value) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE get_Resizable(VARIANT_BOOL* Value) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_Resizable(VARIANT_BOOL Value) override { return E_NOTIMPL; }
};
