// PrintCtl: IPersistStreamInit (the extent only), ISupportErrorInfo and
// IObjectSafety.
#include "PrintCtl.h"

namespace vcom {
namespace {

constexpr DWORD kSafetyOptions =
    INTERFACESAFE_FOR_UNTRUSTED_CALLER | INTERFACESAFE_FOR_UNTRUSTED_DATA;

HRESULT ReadDword(IStream* s, DWORD& v) {
  ULONG got = 0;
  HRESULT hr = s->Read(&v, sizeof v, &got);
  if (FAILED(hr)) return hr;
  return got == sizeof v ? S_OK : E_FAIL;
}

HRESULT WriteDword(IStream* s, DWORD v) {
  return s->Write(&v, sizeof v, nullptr);
}

}  // namespace

HRESULT PrintCtl::GetClassID(CLSID* clsid) {
  if (clsid == nullptr) return E_POINTER;
  *clsid = CLSID_PrintCtl;
  return S_OK;
}

HRESULT PrintCtl::IsDirty() {
  return dirty_ ? S_OK : S_FALSE;
}

// Stream layout: the version word, then the extent's cx and cy (32 bits each).
HRESULT PrintCtl::Load(IStream* stream) {
  if (stream == nullptr) return E_POINTER;
  DWORD version = 0, cx = 0, cy = 0;
  HRESULT hr = ReadDword(stream, version);
  if (FAILED(hr)) return hr;
  if (version > kStreamVersion) return E_FAIL;
  if (FAILED(hr = ReadDword(stream, cx)) || FAILED(hr = ReadDword(stream, cy))) return hr;
  extent_.cx = static_cast<LONG>(cx);
  extent_.cy = static_cast<LONG>(cy);
  dirty_ = false;
  return S_OK;
}

HRESULT PrintCtl::Save(IStream* stream, BOOL clearDirty) {
  if (stream == nullptr) return E_POINTER;
  HRESULT hr;
  if (FAILED(hr = WriteDword(stream, kStreamVersion)) ||
      FAILED(hr = WriteDword(stream, static_cast<DWORD>(extent_.cx))) ||
      FAILED(hr = WriteDword(stream, static_cast<DWORD>(extent_.cy)))) {
    return hr;
  }
  if (clearDirty) dirty_ = false;
  return S_OK;
}

HRESULT PrintCtl::GetSizeMax(ULARGE_INTEGER* size) {
  if (size == nullptr) return E_POINTER;
  size->QuadPart = 3 * sizeof(DWORD);
  return S_OK;
}

HRESULT PrintCtl::InitNew() {
  dirty_ = false;
  return S_OK;
}

HRESULT PrintCtl::InterfaceSupportsErrorInfo(REFIID iid) {
  return iid == IID_IPrintCtl ? S_OK : S_FALSE;
}

HRESULT PrintCtl::GetInterfaceSafetyOptions(REFIID iid, DWORD* supported, DWORD* enabled) {
  if (supported == nullptr || enabled == nullptr) return E_POINTER;
  ComPtr<IUnknown> probe;
  HRESULT hr = Inner()->QueryInterface(iid, probe.put_void());
  if (FAILED(hr)) {
    *supported = 0;
    *enabled = 0;
    return hr;
  }
  *supported = kSafetyOptions;
  *enabled = safety_;
  return S_OK;
}

HRESULT PrintCtl::SetInterfaceSafetyOptions(REFIID iid, DWORD mask, DWORD options) {
  ComPtr<IUnknown> probe;
  if (FAILED(Inner()->QueryInterface(iid, probe.put_void()))) return E_NOINTERFACE;
  if (mask & ~kSafetyOptions) return E_FAIL;
  safety_ = (safety_ & ~mask) | (mask & options);
  return S_OK;
}

}  // namespace vcom
