#pragma once
// PrintCtl, the print control's COM object. Its IPrintCtl members forward
// to the COM-free member logic (vellora::PrintCtlLogic) over the Win32
// adapters; the rest is the standard control surface a browser expects:
// view, in-place activation (windowless), OLE object and control,
// persistence of the extent, error-info and safety answers.
//
// Interface map, in this order (see PrintCtl.cpp):
//   IPrintCtl, IDispatch, IViewObjectEx, IViewObject2, IViewObject,
//   IOleInPlaceObjectWindowless, IOleInPlaceObject, IOleWindow,
//   IOleInPlaceActiveObject, IOleControl, IOleObject, IPersistStreamInit,
//   IPersist, ISupportErrorInfo, IObjectSafety
#include <windows.h>
// windows.h first
#include <exdisp.h>
#include <objsafe.h>
#include <ocidl.h>

#include "ComObject.h"
#include "ComPtr.h"
#include "PrintCtlLogic.h"
#include "Win32CodePage.h"
#include "Win32Profile.h"
#include "Win32Registry.h"
#include "Win32Spooler.h"
#include "vellora_h.h"

namespace vcom {

class PrintCtl final : public ComObject,
                       public IPrintCtl,
                       public IViewObjectEx,
                       public IOleInPlaceObjectWindowless,
                       public IOleInPlaceActiveObject,
                       public IOleControl,
                       public IOleObject,
                       public IPersistStreamInit,
                       public ISupportErrorInfo,
                       public IObjectSafety {
 public:
  explicit PrintCtl(IUnknown* outer);
  ~PrintCtl() override;

  void* FindInterface(REFIID iid) override;
  VCOM_DELEGATING_IUNKNOWN

  // IDispatch, through the type library.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags,
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* excep,
                                   UINT* argErr) override;

  // IPrintCtl
  HRESULT STDMETHODCALLTYPE Preview() override;
  HRESULT STDMETHODCALLTYPE Print(VARIANT_BOOL bPrompt) override;
  HRESULT STDMETHODCALLTYPE SetMarginMeasure(int val) override;
  HRESULT STDMETHODCALLTYPE InitPrint() override;
#define VCOM_PROP(name, type)                                \
  HRESULT STDMETHODCALLTYPE get_##name(type* pVal) override; \
  HRESULT STDMETHODCALLTYPE put_##name(type v) override;
  VCOM_PROP(marginTop, DOUBLE)
  VCOM_PROP(marginLeft, DOUBLE)
  VCOM_PROP(marginBottom, DOUBLE)
  VCOM_PROP(marginRight, DOUBLE)
  VCOM_PROP(header, BSTR)
  VCOM_PROP(footer, BSTR)
  VCOM_PROP(printer, BSTR)
  VCOM_PROP(copies, int)
  VCOM_PROP(pageFrom, int)
  VCOM_PROP(pageTo, int)
  VCOM_PROP(selectedPages, VARIANT_BOOL)
  VCOM_PROP(currentPage, VARIANT_BOOL)
  VCOM_PROP(orientation, int)
  VCOM_PROP(pageWidth, DOUBLE)
  VCOM_PROP(pageHeight, DOUBLE)
  VCOM_PROP(paperSize, BSTR)
  VCOM_PROP(paperSource, BSTR)
  VCOM_PROP(defaultPrinterName, BSTR)
  VCOM_PROP(prevWidth, LONG)
  VCOM_PROP(prevHeight, LONG)
  VCOM_PROP(zoomValue, BSTR)
#undef VCOM_PROP

  // IViewObject, IViewObject2, IViewObjectEx
  HRESULT STDMETHODCALLTYPE Draw(DWORD aspect, LONG index, void* aspectInfo, DVTARGETDEVICE* td,
                                 HDC hdcTarget, HDC hdcDraw, LPCRECTL bounds, LPCRECTL wBounds,
                                 BOOL(STDMETHODCALLTYPE* cont)(ULONG_PTR),
                                 ULONG_PTR contArg) override;
  HRESULT STDMETHODCALLTYPE GetColorSet(DWORD aspect, LONG index, void* aspectInfo,
                                        DVTARGETDEVICE* td, HDC hicTarget,
                                        LOGPALETTE** colorSet) override;
  HRESULT STDMETHODCALLTYPE Freeze(DWORD aspect, LONG index, void* aspectInfo,
                                   DWORD* freeze) override;
  HRESULT STDMETHODCALLTYPE Unfreeze(DWORD freeze) override;
  HRESULT STDMETHODCALLTYPE SetAdvise(DWORD aspects, DWORD advf, IAdviseSink* sink) override;
  HRESULT STDMETHODCALLTYPE GetAdvise(DWORD* aspects, DWORD* advf, IAdviseSink** sink) override;
  HRESULT STDMETHODCALLTYPE GetExtent(DWORD aspect, LONG index, DVTARGETDEVICE* td,
                                      LPSIZEL size) override;
  HRESULT STDMETHODCALLTYPE GetRect(DWORD aspect, LPRECTL rect) override;
  HRESULT STDMETHODCALLTYPE GetViewStatus(DWORD* status) override;
  HRESULT STDMETHODCALLTYPE QueryHitPoint(DWORD aspect, LPCRECT bounds, POINT loc, LONG closeHint,
                                          DWORD* hit) override;
  HRESULT STDMETHODCALLTYPE QueryHitRect(DWORD aspect, LPCRECT bounds, LPCRECT loc, LONG closeHint,
                                         DWORD* hit) override;
  HRESULT STDMETHODCALLTYPE GetNaturalExtent(DWORD aspect, LONG index, DVTARGETDEVICE* td,
                                             HDC hicTarget, DVEXTENTINFO* info,
                                             LPSIZEL size) override;

  // IOleWindow (shared by both in-place interfaces)
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* hwnd) override;
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enter) override;
  // IOleInPlaceObject, IOleInPlaceObjectWindowless
  HRESULT STDMETHODCALLTYPE InPlaceDeactivate() override;
  HRESULT STDMETHODCALLTYPE UIDeactivate() override;
  HRESULT STDMETHODCALLTYPE SetObjectRects(LPCRECT pos, LPCRECT clip) override;
  HRESULT STDMETHODCALLTYPE ReactivateAndUndo() override;
  HRESULT STDMETHODCALLTYPE OnWindowMessage(UINT msg, WPARAM wp, LPARAM lp,
                                            LRESULT* result) override;
  HRESULT STDMETHODCALLTYPE GetDropTarget(IDropTarget** target) override;
  // IOleInPlaceActiveObject
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG msg) override;
  HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL activate) override;
  HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL activate) override;
  HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT border, IOleInPlaceUIWindow* window,
                                         BOOL frame) override;
  HRESULT STDMETHODCALLTYPE EnableModeless(BOOL enable) override;

  // IOleControl
  HRESULT STDMETHODCALLTYPE GetControlInfo(CONTROLINFO* info) override;
  HRESULT STDMETHODCALLTYPE OnMnemonic(MSG* msg) override;
  HRESULT STDMETHODCALLTYPE OnAmbientPropertyChange(DISPID id) override;
  HRESULT STDMETHODCALLTYPE FreezeEvents(BOOL freeze) override;

  // IOleObject
  HRESULT STDMETHODCALLTYPE SetClientSite(IOleClientSite* site) override;
  HRESULT STDMETHODCALLTYPE GetClientSite(IOleClientSite** site) override;
  HRESULT STDMETHODCALLTYPE SetHostNames(LPCOLESTR app, LPCOLESTR obj) override;
  HRESULT STDMETHODCALLTYPE Close(DWORD saveOption) override;
  HRESULT STDMETHODCALLTYPE SetMoniker(DWORD which, IMoniker* mk) override;
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD assign, DWORD which, IMoniker** mk) override;
  HRESULT STDMETHODCALLTYPE InitFromData(IDataObject* data, BOOL creation, DWORD reserved) override;
  HRESULT STDMETHODCALLTYPE GetClipboardData(DWORD reserved, IDataObject** data) override;
  HRESULT STDMETHODCALLTYPE DoVerb(LONG verb, LPMSG msg, IOleClientSite* site, LONG index,
                                   HWND parent, LPCRECT pos) override;
  HRESULT STDMETHODCALLTYPE EnumVerbs(IEnumOLEVERB** verbs) override;
  HRESULT STDMETHODCALLTYPE Update() override;
  HRESULT STDMETHODCALLTYPE IsUpToDate() override;
  HRESULT STDMETHODCALLTYPE GetUserClassID(CLSID* clsid) override;
  HRESULT STDMETHODCALLTYPE GetUserType(DWORD form, LPOLESTR* type) override;
  HRESULT STDMETHODCALLTYPE SetExtent(DWORD aspect, SIZEL* size) override;
  HRESULT STDMETHODCALLTYPE GetExtent(DWORD aspect, SIZEL* size) override;
  HRESULT STDMETHODCALLTYPE Advise(IAdviseSink* sink, DWORD* cookie) override;
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
  HRESULT STDMETHODCALLTYPE EnumAdvise(IEnumSTATDATA** e) override;
  HRESULT STDMETHODCALLTYPE GetMiscStatus(DWORD aspect, DWORD* status) override;
  HRESULT STDMETHODCALLTYPE SetColorScheme(LOGPALETTE* pal) override;

  // IPersist, IPersistStreamInit
  HRESULT STDMETHODCALLTYPE GetClassID(CLSID* clsid) override;
  HRESULT STDMETHODCALLTYPE IsDirty() override;
  HRESULT STDMETHODCALLTYPE Load(IStream* stream) override;
  HRESULT STDMETHODCALLTYPE Save(IStream* stream, BOOL clearDirty) override;
  HRESULT STDMETHODCALLTYPE GetSizeMax(ULARGE_INTEGER* size) override;
  HRESULT STDMETHODCALLTYPE InitNew() override;

  // ISupportErrorInfo
  HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) override;

  // IObjectSafety
  HRESULT STDMETHODCALLTYPE GetInterfaceSafetyOptions(REFIID iid, DWORD* supported,
                                                      DWORD* enabled) override;
  HRESULT STDMETHODCALLTYPE SetInterfaceSafetyOptions(REFIID iid, DWORD mask,
                                                      DWORD options) override;

  // For the print and preview commands.
  IOleClientSite* clientSite() const {
    return clientSite_.get();
  }
  IWebBrowser2* hostBrowser() const {
    return hostBrowser_.get();
  }
  vellora::PrintCtlLogic& logic() {
    return logic_;
  }

  // Persisted extent, in units of 0.01 mm.
  static constexpr LONG kInitialExtent = 5080;
  // The version word that leads the persisted stream.
  static constexpr DWORD kStreamVersion = 0x0700;
  static constexpr DWORD kMiscStatus = 132497;

 private:
  HRESULT EnsureTypeInfo();
  void TakeHostBrowser(IOleClientSite* site);
  HRESULT ActivateInPlace(IOleClientSite* site, bool uiActivate);
  // The bodies of the two commands.
  void RunPreview();
  void RunPrint(bool noPrompt);

  win::Win32Registry registry_;
  win::Win32Profile profile_;
  win::Win32Spooler spooler_;
  win::Win32CodePage codePage_;
  vellora::PrintCtlLogic logic_;

  ComPtr<IWebBrowser2> hostBrowser_;
  ComPtr<IOleClientSite> clientSite_;
  ComPtr<IOleAdviseHolder> oleAdvise_;
  ComPtr<IAdviseSink> viewSink_;
  DWORD viewAspects_ = 0;
  DWORD viewAdvf_ = 0;
  ComPtr<IOleInPlaceSite> inPlaceSite_;
  bool windowless_ = false;
  bool uiActive_ = false;
  RECT pos_{};
  SIZEL extent_{kInitialExtent, kInitialExtent};
  bool dirty_ = false;
  LONG freezeCount_ = 0;
  DWORD safety_ = 0;
  ComPtr<ITypeInfo> typeInfo_;
};

}  // namespace vcom
