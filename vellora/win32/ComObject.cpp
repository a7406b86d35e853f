#include "ComObject.h"

#include "Module.h"

namespace vcom {

ComObject::ComObject(IUnknown* outer) : outer_(outer != nullptr ? outer : &inner_) {
  inner_.owner = this;
  LockModule();
}

ComObject::~ComObject() {
  UnlockModule();
}

HRESULT ComObject::InnerUnknown::QueryInterface(REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  if (iid == IID_IUnknown) {
    *out = static_cast<IUnknown*>(this);
  } else {
    *out = owner->FindInterface(iid);
    if (*out == nullptr) return E_NOINTERFACE;
  }
  static_cast<IUnknown*>(*out)->AddRef();
  return S_OK;
}

ULONG ComObject::InnerUnknown::AddRef() {
  return ++owner->refs_;
}

ULONG ComObject::InnerUnknown::Release() {
  ULONG n = --owner->refs_;
  if (n == 0) delete owner;
  return n;
}

}  // namespace vcom
