#pragma once
// The hosting browser: IWebBrowser2 whose page-setup command runs the test's
// modal page-setup dialog, whose Width and Height record every change, and
// which hands out the document.
//
// Interface map: IUnknown, IDispatch, IWebBrowser, IWebBrowserApp,
// IWebBrowser2.
#include "Counted.h"
#include "HostLog.h"
#include "NotImplBrowser.h"
#include "PageSetupDialog.h"

namespace host {

class TestBrowser final : public NotImplWebBrowser2, public Counted {
 public:
  explicit TestBrowser(HostLog& log) : log_(log) {}

  long width = 1000;
  long height = 700;
  IDispatch* document = nullptr;  // handed out by get_Document; not owned
  DialogSetup dialog;

  HOST_COUNTED_IUNKNOWN

  HRESULT STDMETHODCALLTYPE ExecWB(OLECMDID id, OLECMDEXECOPT option, VARIANT* in,
                                   VARIANT* out) override;
  HRESULT STDMETHODCALLTYPE get_Document(IDispatch** doc) override;
  HRESULT STDMETHODCALLTYPE get_Width(LONG* v) override;
  HRESULT STDMETHODCALLTYPE put_Width(LONG v) override;
  HRESULT STDMETHODCALLTYPE get_Height(LONG* v) override;
  HRESULT STDMETHODCALLTYPE put_Height(LONG v) override;

 private:
  HostLog& log_;
};

}  // namespace host
