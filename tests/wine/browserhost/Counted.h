#pragma once
// Reference counting for the test host's COM objects. They live in the
// test's own scope: counted but never deleted, so that a test can check
// that the control gave back every reference it took.
#include <windows.h>

namespace host {

class Counted {
 public:
  ULONG AddRefCount() { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
  ULONG ReleaseCount() { return static_cast<ULONG>(InterlockedDecrement(&refs_)); }
  // 1 is the test's own reference.
  LONG refs() const { return refs_; }

 private:
  LONG refs_ = 1;
};

#define HOST_COUNTED_IUNKNOWN                  \
  ULONG STDMETHODCALLTYPE AddRef() override {  \
    return AddRefCount();                      \
  }                                            \
  ULONG STDMETHODCALLTYPE Release() override { \
    return ReleaseCount();                     \
  }                                            \
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;

// Answers a QueryInterface with `p` (taking a reference) or E_NOINTERFACE.
template <class T>
HRESULT Hand(T* p, void** out) {
  if (out == nullptr) return E_POINTER;
  *out = p;
  if (p == nullptr) return E_NOINTERFACE;
  p->AddRef();
  return S_OK;
}

}  // namespace host
