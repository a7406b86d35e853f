#include "PrintCommands.h"

#include <mshtmcid.h>
#include <mshtml.h>
#include <servprov.h>
#include <shlguid.h>

#include <string>

#include "Bstr.h"
#include "ComPtr.h"
#include "FillPageSetupDialog.h"
#include "HiddenPageSetup.h"
#include "TemplateAddress.h"

namespace vcom {
namespace {

// The command group of the document's own commands (IDM_*).
constexpr GUID kCgidMshtml = {
    0xde4ba900, 0x59ca, 0x11cf, {0x95, 0x92, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};

// The browser and the document's command target, both held.
struct CommandChain {
  ComPtr<IWebBrowser> browser;
  ComPtr<IOleCommandTarget> target;
};

bool WalkToCommandTarget(IOleClientSite* site, CommandChain& chain) {
  if (site == nullptr) return false;
  ComPtr<IOleContainer> container;
  if (FAILED(site->GetContainer(container.put())) || !container) return false;
  ComPtr<IServiceProvider> services;
  if (FAILED(container.As(services)) || !services) return false;
  ComPtr<IWebBrowser> browser;
  if (FAILED(services->QueryService(SID_SWebBrowserApp, IID_IWebBrowser, browser.put_void())) ||
      !browser) {
    return false;
  }
  ComPtr<IDispatch> document;
  if (FAILED(browser->get_Document(document.put())) || !document) return false;
  ComPtr<IHTMLDocument2> html;
  if (FAILED(document.As(html)) || !html) return false;
  ComPtr<IOleCommandTarget> target;
  if (FAILED(html.As(target)) || !target) return false;
  chain.browser = std::move(browser);
  chain.target = std::move(target);
  return true;
}

// Pushes paper size, source and orientation into the browser's page setup.
void PushPageSetup(IWebBrowser2* hostBrowser, vellora::PrintCtlLogic& control) {
  RunHiddenPageSetup(hostBrowser, OLECMDID_PAGESETUP, control, FillPageSetupDialog);
}

std::u16string TemplateAddress(vellora::PrintCtlLogic& control) {
  auto& s = control.services();
  return vellora::RegisteredTemplateAddress(s.registry, s.codePage);
}

// Runs the document command with the template address as a VT_BSTR input.
void ExecWithTemplate(IOleCommandTarget* target, DWORD command, DWORD option,
                      const std::u16string& address) {
  Bstr text;
  *text.put() = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(address.data()),
                                  static_cast<UINT>(address.size()));
  if (text.get() == nullptr) return;
  VARIANT in;
  VariantInit(&in);
  V_VT(&in) = VT_BSTR;
  V_BSTR(&in) = text.get();  // still owned by `text`
  target->Exec(&kCgidMshtml, command, option, &in, nullptr);
}

// Gives the browser window a size for as long as it lives, then the old one
// back: Height before Width both ways.
class TemporaryWindowSize {
 public:
  TemporaryWindowSize(IWebBrowser* browser, long width, long height) {
    if (width <= 0 || height <= 0) return;
    long oldHeight = 0, oldWidth = 0;
    // Without the old size it could not be given back; leave the window alone.
    if (FAILED(browser->get_Height(&oldHeight)) || FAILED(browser->get_Width(&oldWidth))) return;
    browser->put_Height(height);
    browser->put_Width(width);
    browser_ = ComPtr<IWebBrowser>(browser);
    oldHeight_ = oldHeight;
    oldWidth_ = oldWidth;
  }
  TemporaryWindowSize(const TemporaryWindowSize&) = delete;
  TemporaryWindowSize& operator=(const TemporaryWindowSize&) = delete;
  ~TemporaryWindowSize() {
    if (!browser_) return;
    browser_->put_Height(oldHeight_);
    browser_->put_Width(oldWidth_);
  }

 private:
  ComPtr<IWebBrowser> browser_;
  long oldHeight_ = 0;
  long oldWidth_ = 0;
};

}  // namespace

void RunPreviewCommand(IOleClientSite* site, IWebBrowser2* hostBrowser,
                       vellora::PrintCtlLogic& control) {
  PushPageSetup(hostBrowser, control);
  const std::u16string address = TemplateAddress(control);
  CommandChain chain;
  if (!WalkToCommandTarget(site, chain)) return;
  TemporaryWindowSize size(chain.browser.get(), control.prevWidthField(),
                           control.prevHeightField());
  ExecWithTemplate(chain.target.get(), IDM_PRINTPREVIEW, OLECMDEXECOPT_DODEFAULT, address);
}

void RunPrintCommand(IOleClientSite* site, IWebBrowser2* hostBrowser,
                     vellora::PrintCtlLogic& control, bool noPrompt) {
  PushPageSetup(hostBrowser, control);
  const std::u16string address = TemplateAddress(control);
  CommandChain chain;
  if (!WalkToCommandTarget(site, chain)) return;
  ExecWithTemplate(chain.target.get(), IDM_PRINT,
                   noPrompt ? OLECMDEXECOPT_DONTPROMPTUSER : OLECMDEXECOPT_PROMPTUSER, address);
}

}  // namespace vcom
