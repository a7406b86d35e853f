#pragma once
// The hosted page's document: IHTMLDocument2 and IOleCommandTarget, the
// latter recording every Exec with the browser window's size at that time.
//
// Interface map: IUnknown, IDispatch, IHTMLDocument2 (unless `html` is
// off), IOleCommandTarget (unless `commandTarget` is off).
#include <docobj.h>

#include "Counted.h"
#include "HostLog.h"
#include "NotImplBrowser.h"

namespace host {

class TestBrowser;

class TestDocument final : public NotImplHtmlDocument2, public IOleCommandTarget, public Counted {
 public:
  TestDocument(HostLog& log, const TestBrowser& browser) : log_(log), browser_(browser) {}

  bool html = true;
  bool commandTarget = true;

  HOST_COUNTED_IUNKNOWN

  HRESULT STDMETHODCALLTYPE QueryStatus(const GUID* group, ULONG count, OLECMD* cmds,
                                        OLECMDTEXT* text) override;
  HRESULT STDMETHODCALLTYPE Exec(const GUID* group, DWORD id, DWORD option, VARIANT* in,
                                 VARIANT* out) override;

 private:
  HostLog& log_;
  const TestBrowser& browser_;
};

}  // namespace host
