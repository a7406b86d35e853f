#pragma once
// Owning smart pointer for COM interfaces: one counted reference, released
// on every path out of scope.
#include <unknwn.h>

#include <utility>

namespace vcom {

template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(std::nullptr_t) {}
  // Takes a new reference to p.
  explicit ComPtr(T* p) : p_(p) {
    if (p_) p_->AddRef();
  }
  ComPtr(const ComPtr& o) : ComPtr(o.p_) {}
  ComPtr(ComPtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
  ComPtr& operator=(ComPtr o) noexcept {
    std::swap(p_, o.p_);
    return *this;
  }
  ~ComPtr() { reset(); }

  void reset() {
    if (T* p = std::exchange(p_, nullptr)) p->Release();
  }
  T* get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  // For out-parameters: releases what is held and hands out the slot.
  T** put() {
    reset();
    return &p_;
  }
  void** put_void() { return reinterpret_cast<void**>(put()); }
  // Hands the reference to the caller.
  T* detach() { return std::exchange(p_, nullptr); }

  template <class U>
  HRESULT As(ComPtr<U>& out) const {
    if (!p_) return E_POINTER;
    return p_->QueryInterface(__uuidof(U), out.put_void());
  }

 private:
  T* p_ = nullptr;
};

}  // namespace vcom
