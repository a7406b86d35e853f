#pragma once
// A PrintCtl created through COM from the registered library and driven the
// way page script drives it: by name through IDispatch.
#include <windows.h>
// windows.h first
#include <oleidl.h>

#include <string>

#include "ComPtr.h"

namespace host {

inline constexpr CLSID kClsidPrintCtl = {
    0xca03a5a8, 0x9890, 0x49be, {0xba, 0x4a, 0x8c, 0x52, 0x4e, 0xb0, 0x64, 0x41}};

class Control {
 public:
  Control();
  explicit operator bool() const { return static_cast<bool>(dispatch_); }
  HRESULT created() const { return created_; }

  HRESULT Site(IOleClientSite* site);
  HRESULT PutInt(const wchar_t* name, int v);
  HRESULT PutText(const wchar_t* name, const wchar_t* v);
  int GetInt(const wchar_t* name);
  // A method call with no argument or one VARIANT_BOOL.
  HRESULT Call(const wchar_t* name);
  HRESULT Call(const wchar_t* name, bool flag);
  void reset() { dispatch_.reset(); }

 private:
  HRESULT Invoke(const wchar_t* name, WORD flags, VARIANT* args, UINT count, VARIANT* result);

  HRESULT created_ = E_FAIL;
  vcom::ComPtr<IDispatch> dispatch_;
};

}  // namespace host
