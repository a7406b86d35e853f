#pragma once
// Print-spooler port: open a printer with full access and add or set a form.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace plat {

// Level-1 form information; sizes in thousandths of a millimetre.
struct FormInfo {
  std::uint32_t flags = 0;  // 0 = user form
  std::string name;         // ANSI
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t left = 0, top = 0, right = 0, bottom = 0;  // imageable area
  bool operator==(const FormInfo&) const = default;
};

using HPrinter = std::uintptr_t;

class Spooler {
 public:
  virtual ~Spooler() = default;
  // Opens the printer with PRINTER_ALL_ACCESS; false when that is refused.
  virtual bool OpenFullAccess(std::string_view name, HPrinter& out) = 0;
  virtual bool UpdateForm(HPrinter printer, std::string_view formName, const FormInfo& form) = 0;
  virtual bool InsertForm(HPrinter printer, const FormInfo& form) = 0;
  virtual void ClosePrinter(HPrinter printer) = 0;
  // The calling thread's last error, read and cleared.
  virtual std::uint32_t TakeLastError() = 0;
};

class UniquePrinter {
 public:
  UniquePrinter() = default;
  UniquePrinter(Spooler& s, HPrinter h) : s_(&s), h_(h) {}
  UniquePrinter(const UniquePrinter&) = delete;
  UniquePrinter& operator=(const UniquePrinter&) = delete;
  ~UniquePrinter() {
    if (h_ != 0) s_->ClosePrinter(h_);
  }
  HPrinter get() const { return h_; }

 private:
  Spooler* s_ = nullptr;
  HPrinter h_ = 0;
};

}  // namespace plat
