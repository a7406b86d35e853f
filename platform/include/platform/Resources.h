#pragma once
// Resource-library port: load a library by name and read its RCDATA.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace plat {

using HModule = std::uintptr_t;

class Resources {
 public:
  virtual ~Resources() = default;
  // Loads the library by the system's ordinary search order; 0 when it
  // does not load.
  virtual HModule LoadResourceLibrary(std::u16string_view name) = 0;
  // The bytes of the RCDATA resource `name`; nullopt when there is none.
  virtual std::optional<std::string> RcData(HModule module, std::u16string_view name) = 0;
  virtual void FreeResourceLibrary(HModule module) = 0;
};

// Owns a loaded library and releases it on every path out of scope.
class UniqueModule {
 public:
  UniqueModule(Resources& r, HModule m) : r_(&r), m_(m) {}
  UniqueModule(const UniqueModule&) = delete;
  UniqueModule& operator=(const UniqueModule&) = delete;
  ~UniqueModule() {
    if (m_ != 0) r_->FreeResourceLibrary(m_);
  }
  HModule get() const { return m_; }
  explicit operator bool() const { return m_ != 0; }

 private:
  Resources* r_;
  HModule m_;
};

}  // namespace plat
