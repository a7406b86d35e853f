#include "TestBrowser.h"

#include <string>

namespace host {

HRESULT TestBrowser::QueryInterface(REFIID iid, void** out) {
  if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IWebBrowser ||
      iid == IID_IWebBrowserApp || iid == IID_IWebBrowser2) {
    return Hand(static_cast<IWebBrowser2*>(this), out);
  }
  return Hand<IUnknown>(nullptr, out);
}

HRESULT TestBrowser::ExecWB(OLECMDID id, OLECMDEXECOPT option, VARIANT* in, VARIANT* out) {
  log_.calls.push_back(L"ExecWB " + std::to_wstring(id) + L" " + std::to_wstring(option) +
                       (in ? L" in" : L"") + (out ? L" out" : L""));
  if (id != OLECMDID_PAGESETUP) return E_NOTIMPL;
  log_.dialogs.push_back(RunPageSetupDialog(dialog));
  return S_OK;
}

HRESULT TestBrowser::get_Document(IDispatch** doc) {
  log_.calls.push_back(L"get_Document");
  if (doc == nullptr) return E_POINTER;
  *doc = document;
  if (document != nullptr) document->AddRef();
  return S_OK;
}

HRESULT TestBrowser::get_Width(LONG* v) {
  log_.calls.push_back(L"get_Width");
  *v = width;
  return S_OK;
}

HRESULT TestBrowser::put_Width(LONG v) {
  log_.calls.push_back(L"put_Width " + std::to_wstring(v));
  width = v;
  return S_OK;
}

HRESULT TestBrowser::get_Height(LONG* v) {
  log_.calls.push_back(L"get_Height");
  *v = height;
  return S_OK;
}

HRESULT TestBrowser::put_Height(LONG v) {
  log_.calls.push_back(L"put_Height " + std::to_wstring(v));
  height = v;
  return S_OK;
}

}  // namespace host
