#pragma once
// Reference counting and aggregation for the library's COM objects, in one
// place. Every object has a non-delegating inner unknown that owns the
// count; its interfaces delegate IUnknown to the controlling unknown, which
// is the outer object when aggregated and the inner unknown otherwise. Each
// live object holds one lock on the module.
#include <unknwn.h>

#include <atomic>
#include <new>

namespace vcom {

class ComObject {
 public:
  ComObject(const ComObject&) = delete;
  ComObject& operator=(const ComObject&) = delete;

  // The non-delegating unknown: what an aggregating outer object holds.
  IUnknown* Inner() { return &inner_; }
  IUnknown* Controlling() const { return outer_; }

  // Creates the answer to a class object's CreateInstance: the new object's
  // interface `iid`, or its inner unknown when aggregated.
  template <class T>
  static HRESULT Create(IUnknown* outer, REFIID iid, void** out) {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (outer != nullptr && iid != IID_IUnknown) return CLASS_E_NOAGGREGATION;
    T* obj = new (std::nothrow) T(outer);
    if (obj == nullptr) return E_OUTOFMEMORY;
    IUnknown* inner = obj->Inner();
    inner->AddRef();
    HRESULT hr = inner->QueryInterface(iid, out);
    inner->Release();
    return hr;
  }

  // Lookup in the object's own interface map, without adding a reference.
  // Null when the object does not answer iid.
  virtual void* FindInterface(REFIID iid) = 0;

 protected:
  explicit ComObject(IUnknown* outer);
  virtual ~ComObject();

  HRESULT DelegatingQueryInterface(REFIID iid, void** out) {
    return outer_->QueryInterface(iid, out);
  }
  ULONG DelegatingAddRef() { return outer_->AddRef(); }
  ULONG DelegatingRelease() { return outer_->Release(); }

 private:
  struct InnerUnknown final : IUnknown {
    ComObject* owner = nullptr;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
  };

  InnerUnknown inner_;
  IUnknown* outer_;
  std::atomic<ULONG> refs_{0};
};

// Declares the delegating IUnknown of a class derived from ComObject.
#define VCOM_DELEGATING_IUNKNOWN                                              \
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override { \
    return DelegatingQueryInterface(iid, out);                                \
  }                                                                           \
  ULONG STDMETHODCALLTYPE AddRef() override {                                 \
    return DelegatingAddRef();                                                \
  }                                                                           \
  ULONG STDMETHODCALLTYPE Release() override {                                \
    return DelegatingRelease();                                               \
  }

}  // namespace vcom
