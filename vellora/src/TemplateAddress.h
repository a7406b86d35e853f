#pragma once
// The address of the control's print template: "res://" + the path under
// which the library registered itself + "/PT.HTM". The registration is the
// one place that knows the library's path, so an unregistered copy gets the
// address res:///PT.HTM, which the browser cannot load.
#include <string>
#include <string_view>

#include "platform/CodePage.h"
#include "platform/Registry.h"

namespace vellora {

// Under HKEY_CLASSES_ROOT; its default value is the library's full path.
inline constexpr std::string_view kInprocServerKey =
    "CLSID\\{CA03A5A8-9890-49BE-BA4A-8C524EB06441}\\InprocServer32";

// The read buffer holds 255 bytes, the terminating NUL included.
inline constexpr std::size_t kModulePathCapacity = 255;

// The registered library path as ANSI text; empty when the key or value is
// missing, is not a string, or does not fit the buffer.
std::string GetRegisteredModulePath(plat::Registry& registry);

// "res://" + modulePath + "/PT.HTM", converted to UTF-16 with the thread's
// ANSI code page. A path that does not convert is left out of the address.
std::u16string TemplateAddressFor(std::string_view modulePath, plat::CodePage& codePage);

// The two above together: the address of the registered library's template.
std::u16string RegisteredTemplateAddress(plat::Registry& registry, plat::CodePage& codePage);

}  // namespace vellora
