// PrintCtl: identity, interface map, dispatch and the IPrintCtl members.
#include "PrintCtl.h"

#include "Bstr.h"
#include "Module.h"

namespace vcom {
namespace {

using Cast = void* (*)(PrintCtl*);
struct MapEntry {
  const IID* iid;
  Cast cast;
};

// The interface map, in the order the object answers.
const MapEntry kInterfaceMap[] = {
    {&IID_IPrintCtl, [](PrintCtl* p) -> void* { return static_cast<IPrintCtl*>(p); }},
    {&IID_IDispatch, [](PrintCtl* p) -> void* { return static_cast<IPrintCtl*>(p); }},
    {&IID_IViewObjectEx, [](PrintCtl* p) -> void* { return static_cast<IViewObjectEx*>(p); }},
    {&IID_IViewObject2, [](PrintCtl* p) -> void* { return static_cast<IViewObjectEx*>(p); }},
    {&IID_IViewObject, [](PrintCtl* p) -> void* { return static_cast<IViewObjectEx*>(p); }},
    {&IID_IOleInPlaceObjectWindowless,
     [](PrintCtl* p) -> void* { return static_cast<IOleInPlaceObjectWindowless*>(p); }},
    {&IID_IOleInPlaceObject,
     [](PrintCtl* p) -> void* { return static_cast<IOleInPlaceObjectWindowless*>(p); }},
    {&IID_IOleWindow,
     [](PrintCtl* p) -> void* { return static_cast<IOleInPlaceObjectWindowless*>(p); }},
    {&IID_IOleInPlaceActiveObject,
     [](PrintCtl* p) -> void* { return static_cast<IOleInPlaceActiveObject*>(p); }},
    {&IID_IOleControl, [](PrintCtl* p) -> void* { return static_cast<IOleControl*>(p); }},
    {&IID_IOleObject, [](PrintCtl* p) -> void* { return static_cast<IOleObject*>(p); }},
    {&IID_IPersistStreamInit,
     [](PrintCtl* p) -> void* { return static_cast<IPersistStreamInit*>(p); }},
    {&IID_IPersist, [](PrintCtl* p) -> void* { return static_cast<IPersistStreamInit*>(p); }},
    {&IID_ISupportErrorInfo,
     [](PrintCtl* p) -> void* { return static_cast<ISupportErrorInfo*>(p); }},
    {&IID_IObjectSafety, [](PrintCtl* p) -> void* { return static_cast<IObjectSafety*>(p); }},
};

constexpr DISPID kDispidPrint = 3;

// Print's bPrompt is optional without a default: a call that leaves it out
// (no argument, or the "missing" marker) prints with the print dialog, as
// false does.
bool OmitsPrompt(const DISPPARAMS* params) {
  if (params == nullptr || params->cArgs == 0) return true;
  const VARIANT& v = params->rgvarg[params->cArgs - 1];
  return params->cArgs == 1 && V_VT(&v) == VT_ERROR && V_ERROR(&v) == DISP_E_PARAMNOTFOUND;
}

}  // namespace

PrintCtl::PrintCtl(IUnknown* outer)
    : ComObject(outer), logic_(vellora::Services{registry_, profile_, spooler_, codePage_}) {}

PrintCtl::~PrintCtl() = default;

void* PrintCtl::FindInterface(REFIID iid) {
  for (const auto& e : kInterfaceMap) {
    if (*e.iid == iid) return e.cast(this);
  }
  return nullptr;
}

// ---- IDispatch -------------------------------------------------------------

HRESULT PrintCtl::EnsureTypeInfo() {
  if (typeInfo_) return S_OK;
  std::wstring path;
  HRESULT hr = ModuleFileName(path);
  if (FAILED(hr)) return hr;
  ComPtr<ITypeLib> lib;
  hr = LoadTypeLibEx(path.c_str(), REGKIND_NONE, lib.put());
  if (FAILED(hr)) return hr;
  return lib->GetTypeInfoOfGuid(IID_IPrintCtl, typeInfo_.put());
}

HRESULT PrintCtl::GetTypeInfoCount(UINT* count) {
  if (count == nullptr) return E_POINTER;
  *count = 1;
  return S_OK;
}

HRESULT PrintCtl::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
  if (info == nullptr) return E_POINTER;
  *info = nullptr;
  if (index != 0) return DISP_E_BADINDEX;
  HRESULT hr = EnsureTypeInfo();
  if (FAILED(hr)) return hr;
  *info = ComPtr<ITypeInfo>(typeInfo_).detach();
  return S_OK;
}

HRESULT PrintCtl::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
  HRESULT hr = EnsureTypeInfo();
  if (FAILED(hr)) return hr;
  return typeInfo_->GetIDsOfNames(names, count, ids);
}

HRESULT PrintCtl::Invoke(DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS* params,
                         VARIANT* result, EXCEPINFO* excep, UINT* argErr) {
  if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
  if (id == kDispidPrint && (flags & DISPATCH_METHOD) && OmitsPrompt(params)) {
    if (params != nullptr && params->cNamedArgs != 0) return DISP_E_NONAMEDARGS;
    if (result != nullptr) VariantInit(result);
    return Print(VARIANT_FALSE);
  }
  HRESULT hr = EnsureTypeInfo();
  if (FAILED(hr)) return hr;
  return typeInfo_->Invoke(static_cast<IPrintCtl*>(this), id, flags, params, result, excep, argErr);
}

// ---- IPrintCtl ---------------------------------------------------------------

HRESULT PrintCtl::Preview() {
  RunPreview();
  return S_OK;
}

HRESULT PrintCtl::Print(VARIANT_BOOL bPrompt) {
  RunPrint(bPrompt != VARIANT_FALSE);
  return S_OK;
}

HRESULT PrintCtl::SetMarginMeasure(int val) {
  logic_.SetMarginMeasure(val);
  return S_OK;
}

HRESULT PrintCtl::InitPrint() {
  logic_.InitPrint();
  return S_OK;
}

// A get with a null out-parameter changes nothing and still answers S_OK,
// like every member.
#define VCOM_NUMBER_PROP(name, type)                    \
  HRESULT PrintCtl::get_##name(type* pVal) {            \
    if (pVal) *pVal = static_cast<type>(logic_.name()); \
    return S_OK;                                        \
  }                                                     \
  HRESULT PrintCtl::put_##name(type v) {                \
    logic_.put_##name(v);                               \
    return S_OK;                                        \
  }
#define VCOM_BOOL_PROP(name)                                        \
  HRESULT PrintCtl::get_##name(VARIANT_BOOL* pVal) {                \
    if (pVal) *pVal = logic_.name() ? VARIANT_TRUE : VARIANT_FALSE; \
    return S_OK;                                                    \
  }                                                                 \
  HRESULT PrintCtl::put_##name(VARIANT_BOOL v) {                    \
    logic_.put_##name(v != VARIANT_FALSE);                          \
    return S_OK;                                                    \
  }
#define VCOM_TEXT_PROP(name)                 \
  HRESULT PrintCtl::get_##name(BSTR* pVal) { \
    if (pVal) *pVal = ToBstr(logic_.name()); \
    return S_OK;                             \
  }                                          \
  HRESULT PrintCtl::put_##name(BSTR v) {     \
    logic_.put_##name(FromBstr(v));          \
    return S_OK;                             \
  }

VCOM_NUMBER_PROP(marginTop, DOUBLE)
VCOM_NUMBER_PROP(marginLeft, DOUBLE)
VCOM_NUMBER_PROP(marginBottom, DOUBLE)
VCOM_NUMBER_PROP(marginRight, DOUBLE)
VCOM_NUMBER_PROP(pageWidth, DOUBLE)
VCOM_NUMBER_PROP(pageHeight, DOUBLE)
VCOM_NUMBER_PROP(copies, int)
VCOM_NUMBER_PROP(pageFrom, int)
VCOM_NUMBER_PROP(pageTo, int)
VCOM_NUMBER_PROP(orientation, int)
VCOM_NUMBER_PROP(prevWidth, LONG)
VCOM_NUMBER_PROP(prevHeight, LONG)
VCOM_BOOL_PROP(selectedPages)
VCOM_BOOL_PROP(currentPage)
VCOM_TEXT_PROP(header)
VCOM_TEXT_PROP(footer)
VCOM_TEXT_PROP(printer)
VCOM_TEXT_PROP(paperSize)
VCOM_TEXT_PROP(paperSource)
VCOM_TEXT_PROP(defaultPrinterName)
VCOM_TEXT_PROP(zoomValue)

}  // namespace vcom
