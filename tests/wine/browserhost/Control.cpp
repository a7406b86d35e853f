#include "Control.h"

namespace host {
namespace {

// A VARIANT cleared on every path out of scope.
struct Variant {
  VARIANT v;
  Variant() { VariantInit(&v); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  ~Variant() { VariantClear(&v); }
};

}  // namespace

Control::Control() {
  created_ = CoCreateInstance(kClsidPrintCtl, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                              dispatch_.put_void());
}

HRESULT Control::Site(IOleClientSite* site) {
  vcom::ComPtr<IOleObject> object;
  HRESULT hr = dispatch_.As(object);
  if (FAILED(hr)) return hr;
  return object->SetClientSite(site);
}

HRESULT Control::Invoke(const wchar_t* name, WORD flags, VARIANT* args, UINT count,
                        VARIANT* result) {
  if (!dispatch_) return E_POINTER;
  DISPID id = DISPID_UNKNOWN;
  auto* n = const_cast<LPOLESTR>(name);
  HRESULT hr = dispatch_->GetIDsOfNames(IID_NULL, &n, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(hr)) return hr;
  DISPID put = DISPID_PROPERTYPUT;
  DISPPARAMS params{args, nullptr, count, 0};
  if (flags == DISPATCH_PROPERTYPUT) {
    params.rgdispidNamedArgs = &put;
    params.cNamedArgs = 1;
  }
  return dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, nullptr,
                           nullptr);
}

HRESULT Control::PutInt(const wchar_t* name, int v) {
  Variant arg;
  V_VT(&arg.v) = VT_I4;
  V_I4(&arg.v) = v;
  return Invoke(name, DISPATCH_PROPERTYPUT, &arg.v, 1, nullptr);
}

HRESULT Control::PutText(const wchar_t* name, const wchar_t* v) {
  Variant arg;
  V_VT(&arg.v) = VT_BSTR;
  V_BSTR(&arg.v) = SysAllocString(v);
  return Invoke(name, DISPATCH_PROPERTYPUT, &arg.v, 1, nullptr);
}

int Control::GetInt(const wchar_t* name) {
  Variant result;
  if (FAILED(Invoke(name, DISPATCH_PROPERTYGET, nullptr, 0, &result.v))) return -9999;
  if (FAILED(VariantChangeType(&result.v, &result.v, 0, VT_I4))) return -9999;
  return V_I4(&result.v);
}

HRESULT Control::Call(const wchar_t* name) {
  Variant result;
  return Invoke(name, DISPATCH_METHOD, nullptr, 0, &result.v);
}

HRESULT Control::Call(const wchar_t* name, bool flag) {
  Variant arg, result;
  V_VT(&arg.v) = VT_BOOL;
  V_BOOL(&arg.v) = flag ? VARIANT_TRUE : VARIANT_FALSE;
  return Invoke(name, DISPATCH_METHOD, &arg.v, 1, &result.v);
}

}  // namespace host
