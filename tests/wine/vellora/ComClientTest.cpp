// The registered vellora.dll as a COM client sees it: creation, the
// interface map, safety and error-info answers, persistence of the extent,
// drawing, siting, aggregation, the type library and module lifetime.
#include <windows.h>
// windows.h first
#include <gtest/gtest.h>
#include <objsafe.h>
#include <ocidl.h>

#include <string>
#include <vector>

#include "FakeBrowser.h"
#include "TestSite.h"
#include "vellora_h.h"

namespace {

// GetProcAddress through void*, so that the cast names the real signature.
template <class F>
F Export(HMODULE dll, const char* name) {
  return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(dll, name)));
}

struct ComInit {
  ComInit() { CoInitialize(nullptr); }
  ~ComInit() { CoUninitialize(); }
};

template <class T>
struct Ptr {
  T* p = nullptr;
  ~Ptr() {
    if (p) p->Release();
  }
  T* operator->() const { return p; }
  void** out() { return reinterpret_cast<void**>(&p); }
};

class ComClient : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(S_OK, CoCreateInstance(CLSID_PrintCtl, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                     obj.out()));
  }
  ComInit com;
  Ptr<IUnknown> obj;
};

TEST(ComCreation, ByClassIdAndBothProgIds) {
  ComInit com;
  for (const wchar_t* progId : {L"vellora.PrintCtl", L"vellora.PrintCtl.1"}) {
    CLSID clsid{};
    ASSERT_EQ(S_OK, CLSIDFromProgID(progId, &clsid)) << progId;
    EXPECT_TRUE(IsEqualCLSID(clsid, CLSID_PrintCtl));
    Ptr<IPrintCtl> ctl;
    EXPECT_EQ(S_OK,
              CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IPrintCtl, ctl.out()));
  }
}

TEST(ComCreation, OtherClassIsNotAvailable) {
  ComInit com;
  Ptr<IPrintCtl> loaded;  // loads the registered library
  ASSERT_EQ(S_OK, CoCreateInstance(CLSID_PrintCtl, nullptr, CLSCTX_INPROC_SERVER, IID_IPrintCtl,
                                   loaded.out()));
  HMODULE dll = GetModuleHandleW(L"vellora.dll");
  ASSERT_NE(nullptr, dll);
  auto get = Export<HRESULT(WINAPI*)(REFCLSID, REFIID, void**)>(dll, "DllGetClassObject");
  ASSERT_NE(nullptr, get);
  void* out = reinterpret_cast<void*>(1);
  EXPECT_EQ(CLASS_E_CLASSNOTAVAILABLE, get(IID_IPrintCtl, IID_IClassFactory, &out));
  EXPECT_EQ(nullptr, out);
}

const IID* const kMap[] = {
    &IID_IPrintCtl,         &IID_IDispatch,         &IID_IViewObjectEx,
    &IID_IViewObject2,      &IID_IViewObject,       &IID_IOleInPlaceObjectWindowless,
    &IID_IOleInPlaceObject, &IID_IOleWindow,        &IID_IOleInPlaceActiveObject,
    &IID_IOleControl,       &IID_IOleObject,        &IID_IPersistStreamInit,
    &IID_IPersist,          &IID_ISupportErrorInfo, &IID_IObjectSafety};

TEST_F(ComClient, AnswersEveryInterfaceOfItsMapWithOneIdentity) {
  for (const IID* iid : kMap) {
    Ptr<IUnknown> itf;
    ASSERT_EQ(S_OK, obj->QueryInterface(*iid, itf.out()));
    Ptr<IUnknown> identity;
    ASSERT_EQ(S_OK, itf->QueryInterface(IID_IUnknown, identity.out()));
    EXPECT_EQ(obj.p, identity.p);
  }
  for (const IID* absent : {&IID_IPersistPropertyBag, &IID_IConnectionPointContainer,
                            &IID_IProvideClassInfo, &IID_IOleInPlaceSite}) {
    Ptr<IUnknown> itf;
    EXPECT_EQ(E_NOINTERFACE, obj->QueryInterface(*absent, itf.out()));
    EXPECT_EQ(nullptr, itf.p);
  }
}

TEST_F(ComClient, ObjectSafetyRules) {
  Ptr<IObjectSafety> safety;
  ASSERT_EQ(S_OK, obj->QueryInterface(IID_IObjectSafety, safety.out()));
  DWORD supported = 9, enabled = 9;
  ASSERT_EQ(S_OK, safety->GetInterfaceSafetyOptions(IID_IDispatch, &supported, &enabled));
  EXPECT_EQ(3u, supported);
  EXPECT_EQ(0u, enabled);

  EXPECT_EQ(E_NOINTERFACE,
            safety->GetInterfaceSafetyOptions(IID_IPersistPropertyBag, &supported, &enabled));
  EXPECT_EQ(0u, supported);
  EXPECT_EQ(0u, enabled);
  EXPECT_EQ(E_NOINTERFACE, safety->SetInterfaceSafetyOptions(IID_IPersistPropertyBag, 1, 1));
  EXPECT_EQ(E_FAIL, safety->SetInterfaceSafetyOptions(IID_IDispatch, 4, 4));

  struct Step {
    DWORD mask, options, expected;
  } steps[] = {{1, 1, 1}, {2, 3, 3}, {1, 0, 2}, {3, 1, 1}, {0, 3, 1}};
  for (const auto& s : steps) {
    ASSERT_EQ(S_OK, safety->SetInterfaceSafetyOptions(IID_IPrintCtl, s.mask, s.options));
    ASSERT_EQ(S_OK, safety->GetInterfaceSafetyOptions(IID_IPersist, &supported, &enabled));
    EXPECT_EQ(s.expected, enabled) << "mask " << s.mask << " options " << s.options;
  }
}

TEST_F(ComClient, ErrorInfoOnlyForIPrintCtl) {
  Ptr<ISupportErrorInfo> info;
  ASSERT_EQ(S_OK, obj->QueryInterface(IID_ISupportErrorInfo, info.out()));
  EXPECT_EQ(S_OK, info->InterfaceSupportsErrorInfo(IID_IPrintCtl));
  EXPECT_EQ(S_FALSE, info->InterfaceSupportsErrorInfo(IID_IDispatch));
  EXPECT_EQ(S_FALSE, info->InterfaceSupportsErrorInfo(IID_IOleObject));
}

std::vector<DWORD> StreamWords(IStream* s) {
  STATSTG st{};
  s->Stat(&st, STATFLAG_NONAME);
  std::vector<DWORD> words(static_cast<size_t>(st.cbSize.QuadPart) / 4);
  LARGE_INTEGER zero{};
  s->Seek(zero, STREAM_SEEK_SET, nullptr);
  ULONG got = 0;
  s->Read(words.data(), static_cast<ULONG>(words.size() * 4), &got);
  s->Seek(zero, STREAM_SEEK_SET, nullptr);
  return words;
}

TEST_F(ComClient, PersistsOnlyTheExtentAfterTheVersionWord) {
  Ptr<IPersistStreamInit> persist;
  ASSERT_EQ(S_OK, obj->QueryInterface(IID_IPersistStreamInit, persist.out()));
  Ptr<IStream> fresh;
  ASSERT_EQ(S_OK, CreateStreamOnHGlobal(nullptr, TRUE, &fresh.p));
  ASSERT_EQ(S_OK, persist->Save(fresh.p, TRUE));
  EXPECT_EQ((std::vector<DWORD>{0x0700, 5080, 5080}), StreamWords(fresh.p));

  Ptr<IOleObject> ole;
  ASSERT_EQ(S_OK, obj->QueryInterface(IID_IOleObject, ole.out()));
  SIZEL size{1234, 567};
  ASSERT_EQ(S_OK, ole->SetExtent(DVASPECT_CONTENT, &size));
  EXPECT_EQ(S_OK, persist->IsDirty());
  Ptr<IStream> saved;
  ASSERT_EQ(S_OK, CreateStreamOnHGlobal(nullptr, TRUE, &saved.p));
  ASSERT_EQ(S_OK, persist->Save(saved.p, TRUE));
  EXPECT_EQ(S_FALSE, persist->IsDirty());
  EXPECT_EQ((std::vector<DWORD>{0x0700, 1234, 567}), StreamWords(saved.p));

  Ptr<IPersistStreamInit> other;
  ASSERT_EQ(S_OK, CoCreateInstance(CLSID_PrintCtl, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IPersistStreamInit, other.out()));
  ASSERT_EQ(S_OK, other->Load(saved.p));
  Ptr<IViewObject2> view;
  ASSERT_EQ(S_OK, other->QueryInterface(IID_IViewObject2, view.out()));
  SIZEL loaded{};
  ASSERT_EQ(S_OK, view->GetExtent(DVASPECT_CONTENT, -1, nullptr, &loaded));
  EXPECT_EQ(1234, loaded.cx);
  EXPECT_EQ(567, loaded.cy);

  // A stream from a newer framework version is refused.
  Ptr<IStream> newer;
  ASSERT_EQ(S_OK, CreateStreamOnHGlobal(nullptr, TRUE, &newer.p));
  DWORD words[] = {0x0701, 1, 2};
  newer->Write(words, sizeof words, nullptr);
  LARGE_INTEGER zero{};
  newer->Seek(zero, STREAM_SEEK_SET, nullptr);
  EXPECT_TRUE(FAILED(other->Load(newer.p)));
}

TEST_F(ComClient, DrawsAFramedCaptionIntoTheBounds) {
  Ptr<IViewObject> view;
  ASSERT_EQ(S_OK, obj->QueryInterface(IID_IViewObject, view.out()));
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, 300, 100);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bmp);
  RECT all{0, 0, 300, 100};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SelectObject(dc, GetStockObject(BLACK_PEN));
  SelectObject(dc, GetStockObject(WHITE_BRUSH));
  RECTL bounds{10, 10, 290, 90};
  ASSERT_EQ(S_OK, view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, dc, &bounds, nullptr,
                             nullptr, 0));
  EXPECT_EQ(RGB(0, 0, 0), GetPixel(dc, 10, 50) & 0xFFFFFF);      // left edge of the frame
  EXPECT_EQ(RGB(0, 0, 0), GetPixel(dc, 150, 10) & 0xFFFFFF);     // top edge
  EXPECT_EQ(RGB(255, 255, 255), GetPixel(dc, 5, 5) & 0xFFFFFF);  // outside: untouched
  // The caption: dark pixels on both sides of the centre, above the baseline.
  int dark = 0;
  for (int x = 20; x < 280; ++x) {
    for (int y = 30; y < 50; ++y) {
      if ((GetPixel(dc, x, y) & 0xFFFFFF) != RGB(255, 255, 255)) ++dark;
    }
  }
  EXPECT_GT(dark, 50);
  // The clip region is removed again afterwards.
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(0, GetClipRgn(dc, rgn));
  DeleteObject(rgn);
  SelectObject(dc, old);
  DeleteObject(bmp);
  DeleteDC(dc);
}

TEST_F(ComClient, SitingTakesReplacesAndDropsTheBrowser) {
  Ptr<IOleObject> ole;
  ASSERT_EQ(S_OK, obj->QueryInterface(IID_IOleObject, ole.out()));
  FakeBrowser first, second;
  TestSite siteA(&first), siteB(&second), notBrowser(nullptr), noServices(&first, false);

  ASSERT_EQ(S_OK, ole->SetClientSite(&siteA));
  EXPECT_EQ(2, first.refs);  // one counted reference of the control's own
  {
    Ptr<IOleClientSite> got;
    ASSERT_EQ(S_OK, ole->GetClientSite(&got.p));
    EXPECT_EQ(static_cast<IOleClientSite*>(&siteA), got.p);
  }

  ASSERT_EQ(S_OK, ole->SetClientSite(&siteB));
  EXPECT_EQ(1, first.refs);
  EXPECT_EQ(2, second.refs);

  EXPECT_EQ(S_OK, ole->SetClientSite(&notBrowser));
  EXPECT_EQ(1, second.refs);
  EXPECT_EQ(S_OK, ole->SetClientSite(&noServices));
  EXPECT_EQ(1, first.refs);

  ASSERT_EQ(S_OK, ole->SetClientSite(&siteA));
  EXPECT_EQ(S_OK, ole->SetClientSite(nullptr));
  EXPECT_EQ(1, first.refs);
  EXPECT_EQ(1, siteA.refs);
  EXPECT_EQ(1, noServices.refs);

  DWORD misc = 0;
  EXPECT_EQ(S_OK, ole->GetMiscStatus(DVASPECT_CONTENT, &misc));
  EXPECT_EQ(132497u, misc);
}

// An outer object that aggregates the control and counts its references.
struct Outer : IUnknown {
  LONG refs = 1;
  IUnknown* inner = nullptr;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid == IID_IUnknown) {
      *out = this;
      AddRef();
      return S_OK;
    }
    return inner ? inner->QueryInterface(iid, out) : E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
  ULONG STDMETHODCALLTYPE Release() override { return --refs; }
};

TEST(ComAggregation, InnerInterfacesDelegateToTheOuterObject) {
  ComInit com;
  Outer outer;
  Ptr<IPrintCtl> direct;
  EXPECT_EQ(CLASS_E_NOAGGREGATION, CoCreateInstance(CLSID_PrintCtl, &outer, CLSCTX_INPROC_SERVER,
                                                    IID_IPrintCtl, direct.out()));
  ASSERT_EQ(S_OK, CoCreateInstance(CLSID_PrintCtl, &outer, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                   reinterpret_cast<void**>(&outer.inner)));
  ASSERT_NE(nullptr, outer.inner);
  EXPECT_NE(static_cast<IUnknown*>(&outer), outer.inner);
  {
    Ptr<IPrintCtl> ctl;
    ASSERT_EQ(S_OK, outer.inner->QueryInterface(IID_IPrintCtl, ctl.out()));
    EXPECT_EQ(2, outer.refs);  // the inner interface counts on the outer object
    Ptr<IUnknown> identity;
    ASSERT_EQ(S_OK, ctl->QueryInterface(IID_IUnknown, identity.out()));
    EXPECT_EQ(static_cast<IUnknown*>(&outer), identity.p);
  }
  EXPECT_EQ(1, outer.refs);
  EXPECT_EQ(0u, outer.inner->Release());
}

TEST(ComLifetime, CanUnloadOnlyWithoutLiveObjectsOrLocks) {
  ComInit com;
  Ptr<IClassFactory> factory;
  ASSERT_EQ(S_OK, CoGetClassObject(CLSID_PrintCtl, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory,
                                   factory.out()));
  HMODULE dll = GetModuleHandleW(L"vellora.dll");
  ASSERT_NE(nullptr, dll);
  auto canUnload = Export<HRESULT(WINAPI*)()>(dll, "DllCanUnloadNow");
  ASSERT_NE(nullptr, canUnload);
  EXPECT_EQ(S_OK, canUnload());
  {
    Ptr<IPrintCtl> ctl;
    ASSERT_EQ(S_OK, factory->CreateInstance(nullptr, IID_IPrintCtl, ctl.out()));
    EXPECT_EQ(S_FALSE, canUnload());
  }
  EXPECT_EQ(S_OK, canUnload());
  factory->LockServer(TRUE);
  EXPECT_EQ(S_FALSE, canUnload());
  factory->LockServer(FALSE);
  EXPECT_EQ(S_OK, canUnload());
}

struct Member {
  DISPID id;
  const wchar_t* name;
  INVOKEKIND kind;
  const wchar_t* help;
};

// The function table in order, with the help strings as they read back in
// the ANSI code page 936.
const Member kMembers[] = {
    {1, L"Preview", INVOKE_FUNC, L"方法Preview"},
    {2, L"marginTop", INVOKE_PROPERTYGET, L"属性 marginTop"},
    {2, L"marginTop", INVOKE_PROPERTYPUT, L"属性 marginTop"},
    {3, L"Print", INVOKE_FUNC, L"方法Print"},
    {4, L"SetMarginMeasure", INVOKE_FUNC, L"方法SetMarginMeasure"},
    {5, L"marginLeft", INVOKE_PROPERTYGET, L"属性 marginLeft"},
    {5, L"marginLeft", INVOKE_PROPERTYPUT, L"属性 marginLeft"},
    {6, L"InitPrint", INVOKE_FUNC, L"方法InitPrint"},
    {7, L"marginBottom", INVOKE_PROPERTYGET, L"属性 marginBottom"},
    {7, L"marginBottom", INVOKE_PROPERTYPUT, L"属性 marginBottom"},
    {8, L"marginRight", INVOKE_PROPERTYGET, L"属性 marginRight"},
    {8, L"marginRight", INVOKE_PROPERTYPUT, L"属性 marginRight"},
    {9, L"header", INVOKE_PROPERTYGET, L"属性 header"},
    {9, L"header", INVOKE_PROPERTYPUT, L"属性 header"},
    {10, L"footer", INVOKE_PROPERTYGET, L"属性 footer"},
    {10, L"footer", INVOKE_PROPERTYPUT, L"属性 footer"},
    {11, L"printer", INVOKE_PROPERTYGET, L"属性 Printer"},
    {11, L"printer", INVOKE_PROPERTYPUT, L"属性 Printer"},
    {12, L"copies", INVOKE_PROPERTYGET, L"属性 Copies"},
    {12, L"copies", INVOKE_PROPERTYPUT, L"属性 Copies"},
    {13, L"pageFrom", INVOKE_PROPERTYGET, L"属性 PageForm"},
    {13, L"pageFrom", INVOKE_PROPERTYPUT, L"属性 PageForm"},
    {14, L"pageTo", INVOKE_PROPERTYGET, L"属性 PageTo"},
    {14, L"pageTo", INVOKE_PROPERTYPUT, L"属性 PageTo"},
    {15, L"selectedPages", INVOKE_PROPERTYGET, L"属性 selectedPages"},
    {15, L"selectedPages", INVOKE_PROPERTYPUT, L"属性 selectedPages"},
    {16, L"currentPage", INVOKE_PROPERTYGET, L"属性 currentPage"},
    {16, L"currentPage", INVOKE_PROPERTYPUT, L"属性 currentPage"},
    {17, L"orientation", INVOKE_PROPERTYGET, L"属性 orientation"},
    {17, L"orientation", INVOKE_PROPERTYPUT, L"属性 orientation"},
    {18, L"pageWidth", INVOKE_PROPERTYGET, L"属性 pageWidth"},
    {18, L"pageWidth", INVOKE_PROPERTYPUT, L"属性 pageWidth"},
    {19, L"pageHeight", INVOKE_PROPERTYGET, L"属性 pageHeight"},
    {19, L"pageHeight", INVOKE_PROPERTYPUT, L"属性 pageHeight"},
    {20, L"paperSize", INVOKE_PROPERTYGET, L"属性 paperSize"},
    {20, L"paperSize", INVOKE_PROPERTYPUT, L"属性 paperSize"},
    {21, L"paperSource", INVOKE_PROPERTYGET, L"属性 paperSource"},
    {21, L"paperSource", INVOKE_PROPERTYPUT, L"属性 paperSource"},
    {22, L"defaultPrinterName", INVOKE_PROPERTYGET, L"属性 defaultPrinterName"},
    {22, L"defaultPrinterName", INVOKE_PROPERTYPUT, L"属性 defaultPrinterName"},
    {23, L"prevWidth", INVOKE_PROPERTYGET, L"属性 prevWidth"},
    {23, L"prevWidth", INVOKE_PROPERTYPUT, L"属性 prevWidth"},
    {24, L"prevHeight", INVOKE_PROPERTYGET, L"属性 prevHeight"},
    {24, L"prevHeight", INVOKE_PROPERTYPUT, L"属性 prevHeight"},
    {25, L"zoomValue", INVOKE_PROPERTYGET, L"属性 zoomValue"},
    {25, L"zoomValue", INVOKE_PROPERTYPUT, L"属性 zoomValue"},
};

std::wstring Text(BSTR b) {
  std::wstring s = b ? std::wstring(b, SysStringLen(b)) : L"";
  SysFreeString(b);
  return s;
}

TEST_F(ComClient, TypeLibraryMatchesTheMemberTable) {
  Ptr<IDispatch> disp;
  ASSERT_EQ(S_OK, obj->QueryInterface(IID_IDispatch, disp.out()));
  Ptr<ITypeInfo> info;
  ASSERT_EQ(S_OK, disp->GetTypeInfo(0, 0, &info.p));
  TYPEATTR* attr = nullptr;
  ASSERT_EQ(S_OK, info->GetTypeAttr(&attr));
  EXPECT_TRUE(IsEqualIID(attr->guid, IID_IPrintCtl));
  EXPECT_EQ(TKIND_DISPATCH, attr->typekind);  // the dispatch view of a dual interface
  EXPECT_TRUE(attr->wTypeFlags & TYPEFLAG_FDUAL);
  EXPECT_TRUE(attr->wTypeFlags & TYPEFLAG_FNONEXTENSIBLE);
  info->ReleaseTypeAttr(attr);

  // The vtable view: the table order after the seven IUnknown/IDispatch slots.
  HREFTYPE ref = 0;
  ASSERT_EQ(S_OK, info->GetRefTypeOfImplType(-1, &ref));
  Ptr<ITypeInfo> vt;
  ASSERT_EQ(S_OK, info->GetRefTypeInfo(ref, &vt.p));
  ASSERT_EQ(S_OK, vt->GetTypeAttr(&attr));
  ASSERT_EQ(std::size(kMembers), attr->cFuncs);
  EXPECT_TRUE(attr->wTypeFlags & TYPEFLAG_FOLEAUTOMATION);
  vt->ReleaseTypeAttr(attr);
  for (UINT i = 0; i < std::size(kMembers); ++i) {
    const Member& m = kMembers[i];
    FUNCDESC* fd = nullptr;
    ASSERT_EQ(S_OK, vt->GetFuncDesc(i, &fd));
    EXPECT_EQ(m.id, fd->memid) << i;
    EXPECT_EQ(m.kind, fd->invkind) << i;
    EXPECT_EQ(static_cast<SHORT>((7 + i) * sizeof(void*)), fd->oVft) << i;
    BSTR name = nullptr, help = nullptr;
    ASSERT_EQ(S_OK, vt->GetDocumentation(fd->memid, &name, &help, nullptr, nullptr));
    EXPECT_EQ(std::wstring(m.name), Text(name)) << i;
    EXPECT_EQ(std::wstring(m.help), Text(help)) << i;
    if (m.id == 3) {
      ASSERT_EQ(1, fd->cParams);
      EXPECT_EQ(VT_BOOL, fd->lprgelemdescParam[0].tdesc.vt);
      USHORT flags = fd->lprgelemdescParam[0].paramdesc.wParamFlags;
      EXPECT_TRUE(flags & PARAMFLAG_FIN);
      EXPECT_TRUE(flags & PARAMFLAG_FOPT);
      EXPECT_FALSE(flags & PARAMFLAG_FHASDEFAULT);
    }
    vt->ReleaseFuncDesc(fd);
  }

  Ptr<ITypeLib> lib;
  UINT index = 0;
  ASSERT_EQ(S_OK, info->GetContainingTypeLib(&lib.p, &index));
  BSTR libName = nullptr, libHelp = nullptr;
  ASSERT_EQ(S_OK, lib->GetDocumentation(-1, &libName, &libHelp, nullptr, nullptr));
  EXPECT_EQ(L"velloraLib", Text(libName));
  EXPECT_EQ(L"vellora 1.0 类型库", Text(libHelp));
  BSTR itfHelp = nullptr;
  ASSERT_EQ(S_OK, vt->GetDocumentation(MEMBERID_NIL, nullptr, &itfHelp, nullptr, nullptr));
  EXPECT_EQ(L"IPrintCtl 接口", Text(itfHelp));
  TLIBATTR* la = nullptr;
  ASSERT_EQ(S_OK, lib->GetLibAttr(&la));
  EXPECT_EQ(1, la->wMajorVerNum);
  EXPECT_EQ(0, la->wMinorVerNum);
  EXPECT_EQ(0u, la->lcid);
  lib->ReleaseTLibAttr(la);
}

TEST_F(ComClient, PrintThroughDispatchWithAndWithoutPrompt) {
  Ptr<IDispatch> disp;
  ASSERT_EQ(S_OK, obj->QueryInterface(IID_IDispatch, disp.out()));
  DISPID id = 0;
  LPOLESTR name = const_cast<LPOLESTR>(L"Print");
  ASSERT_EQ(S_OK, disp->GetIDsOfNames(IID_NULL, &name, 1, 0, &id));
  EXPECT_EQ(3, id);
  DISPPARAMS none{};
  EXPECT_EQ(S_OK, disp->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr));
  VARIANT missing;
  V_VT(&missing) = VT_ERROR;
  V_ERROR(&missing) = DISP_E_PARAMNOTFOUND;
  DISPPARAMS marker{&missing, nullptr, 1, 0};
  EXPECT_EQ(S_OK,
            disp->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &marker, nullptr, nullptr, nullptr));
  VARIANT yes;
  V_VT(&yes) = VT_BOOL;
  V_BOOL(&yes) = VARIANT_TRUE;
  DISPPARAMS one{&yes, nullptr, 1, 0};
  EXPECT_EQ(S_OK, disp->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &one, nullptr, nullptr, nullptr));
}

}  // namespace
