#pragma once
// Runs the parsed registration script against the registry.
//
// Registration: every key is opened or created and its default value and
// named values written; a "replaced" key is first deleted with everything
// under it. Removal: keys and named values of the script are deleted,
// deepest first; NoRemove keys are kept. A key that still holds subkeys the
// script does not name cannot be deleted and stops the removal. Both modes
// stop at the first failure and return it.
#include <windows.h>

#include <vector>

#include "RegScript.h"

namespace vcom {

HRESULT ApplyRegistration(const std::vector<ScriptRoot>& roots);
HRESULT ApplyRemoval(const std::vector<ScriptRoot>& roots);

// Loads the REGISTRY resource `id`, fills in the placeholders, parses it and
// applies it in the given mode.
HRESULT RunRegistrationScript(HINSTANCE module, int id, const std::vector<Placeholder>& values,
                              bool install);

}  // namespace vcom
