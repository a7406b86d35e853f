#pragma once
// One complete test browser host: site -> container -> browser -> document,
// all wired to one log. Each link can be switched off to play a host that
// lacks it.
#include "HostLog.h"
#include "TestBrowser.h"
#include "TestContainer.h"
#include "TestDocument.h"
#include "TestSite.h"

namespace host {

struct BrowserHost {
  HostLog log;
  TestBrowser browser{log};
  TestDocument document{log, browser};
  TestContainer container{browser};
  TestSite site{&container, browser};

  BrowserHost() { browser.document = static_cast<IHTMLDocument2*>(&document); }
  BrowserHost(const BrowserHost&) = delete;
  BrowserHost& operator=(const BrowserHost&) = delete;

  // True when nobody but the test holds a reference to any part.
  bool AllReleased() const {
    return browser.refs() == 1 && document.refs() == 1 && container.refs() == 1 && site.refs() == 1;
  }
};

}  // namespace host
