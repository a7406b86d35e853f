#include "ClassFactory.h"

#include "Module.h"
#include "PrintCtl.h"

namespace vcom {

HRESULT ClassFactory::QueryInterface(REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IClassFactory) {
    *out = static_cast<IClassFactory*>(this);
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

HRESULT ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** out) {
  return ComObject::Create<PrintCtl>(outer, iid, out);
}

HRESULT ClassFactory::LockServer(BOOL lock) {
  if (lock) {
    LockModule();
  } else {
    UnlockModule();
  }
  return S_OK;
}

ClassFactory& PrintCtlClassObject() {
  static ClassFactory factory;
  return factory;
}

}  // namespace vcom
