#include "SimPrivateProfile.h"

#include <optional>
#include <vector>

namespace sim {
namespace {

struct Entry {
  std::u16string key;
  std::optional<std::u16string> value;  // absent for a line without "="
};

struct Section {
  std::u16string name;
  std::vector<Entry> entries;
};

bool IsBlank(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

std::u16string_view Trim(std::u16string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

char16_t Fold(char16_t c) {
  return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c;
}

bool SameName(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Fold(a[i]) != Fold(b[i])) return false;
  return true;
}

std::u16string DecodeFile(const std::string& bytes, SimCodePage& cp) {
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
      static_cast<unsigned char>(bytes[1]) == 0xFE) {
    std::u16string out;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2)
      out.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                          (static_cast<unsigned char>(bytes[i + 1]) << 8)));
    return out;
  }
  return cp.ToUtf16(cp.ThreadAnsiCodePage(), bytes).value_or(std::u16string());
}

std::vector<Section> Parse(std::u16string_view text) {
  std::vector<Section> sections;
  std::size_t pos = 0;
  while (pos <= text.size()) {
    std::size_t end = text.find(u'\n', pos);
    if (end == std::u16string_view::npos) end = text.size();
    std::u16string_view line = Trim(text.substr(pos, end - pos));
    pos = end + 1;
    if (line.empty()) continue;
    if (line.front() == u'[') {
      std::size_t close = line.rfind(u']');
      std::u16string_view name =
          close == std::u16string_view::npos ? line.substr(1) : line.substr(1, close - 1);
      sections.push_back({std::u16string(name), {}});
      continue;
    }
    if (sections.empty()) continue;  // lines before the first section belong to none
    std::size_t eq = line.find(u'=');
    if (eq == std::u16string_view::npos) {
      sections.back().entries.push_back({std::u16string(line), std::nullopt});
    } else {
      sections.back().entries.push_back(
          {std::u16string(Trim(line.substr(0, eq))), std::u16string(Trim(line.substr(eq + 1)))});
    }
  }
  return sections;
}

const Section* FindSection(const std::vector<Section>& all, std::u16string_view name) {
  for (const auto& s : all)
    if (SameName(s.name, name)) return &s;
  return nullptr;
}

std::u16string Cut(std::u16string s, std::size_t capacity) {
  if (capacity == 0) return {};
  if (s.size() > capacity - 1) s.resize(capacity - 1);
  return s;
}

}  // namespace

std::u16string SimPrivateProfile::GetString(std::u16string_view file, std::u16string_view section,
                                            std::u16string_view key, std::u16string_view def,
                                            std::size_t capacity) {
  std::u16string fallback(def);
  while (!fallback.empty() && fallback.back() == u' ') fallback.pop_back();
  auto bytes = fs_.ReadAll(file);
  if (!bytes) return Cut(fallback, capacity);
  auto sections = Parse(DecodeFile(*bytes, cp_));
  const Section* s = FindSection(sections, section);
  if (s == nullptr) return Cut(fallback, capacity);
  std::u16string_view k = Trim(key);
  for (const auto& e : s->entries) {
    if (!SameName(e.key, k)) continue;
    if (!e.value) return Cut(fallback, capacity);
    std::u16string v = *e.value;
    if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
      v = v.substr(1, v.size() - 2);
    return Cut(v, capacity);
  }
  return Cut(fallback, capacity);
}

std::u16string SimPrivateProfile::GetKeyNames(std::u16string_view file, std::u16string_view section,
                                              std::size_t capacity) {
  if (capacity < 2) return {};
  auto bytes = fs_.ReadAll(file);
  if (!bytes) return {};
  auto sections = Parse(DecodeFile(*bytes, cp_));
  const Section* s = FindSection(sections, section);
  if (s == nullptr) return {};
  std::u16string list;
  for (const auto& e : s->entries) {
    list += e.key;
    list.push_back(u'\0');
  }
  // A list that does not fit is cut to the buffer, leaving room for the two
  // terminating NULs; the cut name still counts as a name.
  if (list.size() + 1 > capacity) {
    list.resize(capacity - 2);
    list.push_back(u'\0');
  }
  return list;
}

}  // namespace sim
