#include "Win32Resources.h"

#include "Win32Wide.h"

namespace win {

plat::HModule Win32Resources::LoadResourceLibrary(std::u16string_view name) {
  return reinterpret_cast<plat::HModule>(LoadLibraryW(W(name).c_str()));
}

std::optional<std::string> Win32Resources::RcData(plat::HModule module, std::u16string_view name) {
  HMODULE m = reinterpret_cast<HMODULE>(module);
  HRSRC info = FindResourceW(m, W(name).c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (info == nullptr) return std::nullopt;
  HGLOBAL data = LoadResource(m, info);
  if (data == nullptr) return std::nullopt;
  const void* bytes = LockResource(data);
  DWORD size = SizeofResource(m, info);
  if (bytes == nullptr) return std::string();
  return std::string(static_cast<const char*>(bytes), size);
}

void Win32Resources::FreeResourceLibrary(plat::HModule module) {
  FreeLibrary(reinterpret_cast<HMODULE>(module));
}

}  // namespace win
