#pragma once
// The registration script: placeholder expansion and parsing into a tree
// of keys. Pure text processing; Registrar applies the tree.
//
// Script syntax (one root per block):
//   HKCR { [NoRemove|ForceRemove] name [= s 'default'] [{ ... }]
//          val name = s 'text' }
// Names and texts are bare words or single-quoted ('' stands for ').
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vcom {

enum class KeyRule {
  Written,   // opened or created; other content left alone
  NoRemove,  // opened or created; never deleted
  Replaced,  // deleted with everything under it, then written again
};

struct NamedValue {
  std::wstring name;
  std::wstring text;
};

struct ScriptKey {
  std::wstring name;
  KeyRule rule = KeyRule::Written;
  std::optional<std::wstring> defaultText;
  std::vector<NamedValue> values;
  std::vector<ScriptKey> subkeys;
};

struct ScriptRoot {
  std::wstring root;  // HKCR, HKCU or HKLM
  std::vector<ScriptKey> keys;
};

struct Placeholder {
  std::wstring name;   // without the percent signs; matched ignoring case
  std::wstring value;  // inserted as text (single quotes are escaped)
};

// Replaces every %NAME% by its value and "%%" by "%". An unknown name is
// an error (false, with `error` set).
bool ExpandPlaceholders(const std::wstring& script, const std::vector<Placeholder>& values,
                        std::wstring& out, std::wstring& error);

bool ParseScript(const std::wstring& script, std::vector<ScriptRoot>& out, std::wstring& error);

}  // namespace vcom
