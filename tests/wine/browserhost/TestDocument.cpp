#include "TestDocument.h"

#include <string>

#include "TestBrowser.h"

namespace host {

HRESULT TestDocument::QueryInterface(REFIID iid, void** out) {
  if (iid == IID_IUnknown || iid == IID_IDispatch) {
    return Hand(static_cast<IHTMLDocument2*>(this), out);
  }
  if (iid == IID_IHTMLDocument2)
    return Hand(html ? static_cast<IHTMLDocument2*>(this) : nullptr, out);
  if (iid == IID_IOleCommandTarget) {
    return Hand(commandTarget ? static_cast<IOleCommandTarget*>(this) : nullptr, out);
  }
  return Hand<IUnknown>(nullptr, out);
}

HRESULT TestDocument::QueryStatus(const GUID*, ULONG, OLECMD*, OLECMDTEXT*) {
  return E_NOTIMPL;
}

HRESULT TestDocument::Exec(const GUID* group, DWORD id, DWORD option, VARIANT* in, VARIANT* out) {
  ExecRecord r;
  if (group != nullptr) r.group = *group;
  r.id = id;
  r.option = option;
  if (in != nullptr) {
    r.inputType = V_VT(in);
    if (V_VT(in) == VT_BSTR && V_BSTR(in) != nullptr) {
      r.inputText.assign(V_BSTR(in), SysStringLen(V_BSTR(in)));
    }
  }
  r.hasOutput = out != nullptr;
  r.widthDuring = browser_.width;
  r.heightDuring = browser_.height;
  log_.execs.push_back(r);
  log_.calls.push_back(L"Exec " + std::to_wstring(id));
  return S_OK;
}

}  // namespace host
