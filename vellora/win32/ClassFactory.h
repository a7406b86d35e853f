#pragma once
// The class object of PrintCtl. One instance lives from the first request
// until the library is unloaded; its own references do not hold the module,
// its LockServer locks do.
#include <unknwn.h>

namespace vcom {

class ClassFactory final : public IClassFactory {
 public:
  // Interface map: IUnknown, IClassFactory.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override;
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;
};

// The one class object, created on first use (thread-safe).
ClassFactory& PrintCtlClassObject();

}  // namespace vcom
