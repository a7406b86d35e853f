#include "Win32Spooler.h"

#include <windows.h>
#include <winspool.h>

namespace win {
namespace {
HANDLE H(plat::HPrinter p) {
  return reinterpret_cast<HANDLE>(p);
}
FORM_INFO_1A Record(const plat::FormInfo& f, std::string& name) {
  name = f.name;
  FORM_INFO_1A r{};
  r.Flags = f.flags;
  r.pName = name.data();
  r.Size.cx = f.width;
  r.Size.cy = f.height;
  r.ImageableArea.left = f.left;
  r.ImageableArea.top = f.top;
  r.ImageableArea.right = f.right;
  r.ImageableArea.bottom = f.bottom;
  return r;
}
}  // namespace

bool Win32Spooler::OpenFullAccess(std::string_view name, plat::HPrinter& out) {
  std::string n(name);
  PRINTER_DEFAULTSA defaults{nullptr, nullptr, PRINTER_ALL_ACCESS};
  HANDLE h = nullptr;
  if (!OpenPrinterA(n.data(), &h, &defaults)) return false;
  out = reinterpret_cast<plat::HPrinter>(h);
  return true;
}

bool Win32Spooler::UpdateForm(plat::HPrinter printer, std::string_view formName,
                              const plat::FormInfo& form) {
  std::string n(formName), keep;
  FORM_INFO_1A r = Record(form, keep);
  return SetFormA(H(printer), n.data(), 1, reinterpret_cast<BYTE*>(&r)) != FALSE;
}

bool Win32Spooler::InsertForm(plat::HPrinter printer, const plat::FormInfo& form) {
  std::string keep;
  FORM_INFO_1A r = Record(form, keep);
  return AddFormA(H(printer), 1, reinterpret_cast<BYTE*>(&r)) != FALSE;
}

void Win32Spooler::ClosePrinter(plat::HPrinter printer) {
  ::ClosePrinter(H(printer));
}

std::uint32_t Win32Spooler::TakeLastError() {
  DWORD e = GetLastError();
  SetLastError(0);
  return e;
}

}  // namespace win
