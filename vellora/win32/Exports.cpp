// The library's entry point and its four exports.
#include <windows.h>

#include <string>

#include "ClassFactory.h"
#include "Module.h"
#include "PrintCtl.h"
#include "Registrar.h"
#include "TypeLibRegistration.h"

namespace {

constexpr int kRegistrationScript = 103;
// Recompose on resize, can't link inside, inside-out, activate when
// visible, invisible at run time, set client site first.
constexpr wchar_t kOleMisc[] = L"132497";

HRESULT RunScript(bool install) {
  std::wstring path;
  HRESULT hr = vcom::ModuleFileName(path);
  if (FAILED(hr)) return hr;
  std::vector<vcom::Placeholder> values = {
      {L"MODULE", path}, {L"OLEMISC", kOleMisc}, {L"APPID", L""}};
  hr = vcom::RunRegistrationScript(vcom::ModuleInstance(), kRegistrationScript, values, install);
  if (FAILED(hr)) return hr;
  return install ? vcom::RegisterModuleTypeLib(path) : vcom::UnregisterModuleTypeLib(path);
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    vcom::SetModuleInstance(instance);
    DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}

STDAPI DllCanUnloadNow() {
  return vcom::ModuleLockCount() == 0 ? S_OK : S_FALSE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (clsid != CLSID_PrintCtl) return CLASS_E_CLASSNOTAVAILABLE;
  return vcom::PrintCtlClassObject().QueryInterface(iid, out);
}

STDAPI DllRegisterServer() {
  return RunScript(true);
}

STDAPI DllUnregisterServer() {
  return RunScript(false);
}
