#include "IniFile.h"

#include "Convert.h"

namespace setup {

std::u16string IniFile::ReadString(std::u16string_view section, std::u16string_view key,
                                   std::u16string_view def) const {
  return profile_.GetString(fileName_, section, key, def, kIniValueBuffer);
}

std::vector<std::u16string> IniFile::ReadSection(std::u16string_view section) const {
  std::u16string list = profile_.GetKeyNames(fileName_, section, kIniKeyListBuffer);
  std::vector<std::u16string> names;
  std::size_t pos = 0;
  while (pos < list.size()) {
    std::size_t end = list.find(u'\0', pos);
    if (end == std::u16string::npos) end = list.size();
    if (end == pos) break;  // the list's final terminator
    names.push_back(list.substr(pos, end - pos));
    pos = end + 1;
  }
  return names;
}

bool IniFile::ReadBool(std::u16string_view section, std::u16string_view key,
                       std::u16string_view def) const {
  return TextToBool(ReadString(section, key, def));
}

std::vector<std::u16string> IniFile::ReadNumbered(std::u16string_view section,
                                                  std::u16string_view prefix) const {
  std::size_t n = ReadSection(section).size();
  std::vector<std::u16string> values;
  for (std::size_t i = 0; i < n; ++i) {
    std::string digits = std::to_string(i);
    values.push_back(ReadString(
        section, std::u16string(prefix) + std::u16string(digits.begin(), digits.end()), u""));
  }
  return values;
}

}  // namespace setup
