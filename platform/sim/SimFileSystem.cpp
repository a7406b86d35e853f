#include "SimFileSystem.h"

#include <vector>

namespace sim {
namespace {

char16_t Lower(char16_t c) {
  return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c;
}

std::u16string Parent(const std::u16string& key) {
  auto p = key.rfind(u'\\');
  if (p == std::u16string::npos || p <= 2) return key.substr(0, 2);  // "c:"
  return key.substr(0, p);
}

}  // namespace

SimFileSystem::SimFileSystem() {
  dirs_.insert(u"c:");
}

std::u16string SimFileSystem::Full(std::u16string_view path) const {
  std::u16string p(path);
  for (auto& c : p)
    if (c == u'/') c = u'\\';
  if (!(p.size() >= 2 && p[1] == u':')) {
    std::u16string base = cwd_;
    if (!base.empty() && base.back() == u'\\') base.pop_back();
    p = p.starts_with(u'\\') ? base.substr(0, 2) + p : base + u"\\" + p;
  }
  // Resolve "." and ".." and doubled separators.
  std::vector<std::u16string> parts;
  std::u16string drive = p.substr(0, 2);
  std::size_t i = 2;
  while (i <= p.size()) {
    std::size_t j = p.find(u'\\', i);
    if (j == std::u16string::npos) j = p.size();
    std::u16string part = p.substr(i, j - i);
    if (part == u"..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != u".") {
      parts.push_back(part);
    }
    i = j + 1;
  }
  std::u16string out = drive;
  for (auto& part : parts) out += u"\\" + part;
  if (parts.empty()) out += u"\\";
  return out;
}

std::u16string SimFileSystem::Key(std::u16string_view path) const {
  std::u16string k = Full(path);
  if (k.size() == 3 && k[2] == u'\\') k.pop_back();
  for (auto& c : k) c = Lower(c);
  return k;
}

bool SimFileSystem::FileExists(std::u16string_view path) {
  return files_.contains(Key(path));
}

bool SimFileSystem::DirectoryExists(std::u16string_view path) {
  return dirs_.contains(Key(path));
}

std::optional<std::string> SimFileSystem::ReadAll(std::u16string_view path) {
  return Bytes(path);
}

std::optional<std::string> SimFileSystem::Bytes(std::u16string_view path) const {
  auto it = files_.find(Key(path));
  if (it == files_.end()) return std::nullopt;
  return it->second;
}

std::uint32_t SimFileSystem::WriteAll(std::u16string_view path, std::string_view bytes) {
  std::u16string k = Key(path);
  std::u16string parent = Parent(k);
  if (!dirs_.contains(parent)) return 3;     // ERROR_PATH_NOT_FOUND
  if (dirs_.contains(k)) return 5;           // ERROR_ACCESS_DENIED
  if (readOnly_.contains(parent)) return 5;  // ERROR_ACCESS_DENIED
  files_[k] = std::string(bytes);
  return 0;
}

bool SimFileSystem::CopyTo(std::u16string_view from, std::u16string_view to, bool failIfExists) {
  auto src = Bytes(from);
  if (!src) return false;
  if (failIfExists && FileExists(to)) return false;
  return WriteAll(to, *src) == 0;
}

void SimFileSystem::MakeDirectory(std::u16string_view path) {
  std::u16string k = Key(path);
  while (k.size() > 2 && !dirs_.contains(k)) {
    dirs_.insert(k);
    k = Parent(k);
  }
}

void SimFileSystem::Put(std::u16string_view path, std::string_view bytes) {
  std::u16string k = Key(path);
  MakeDirectory(Parent(k));
  files_[k] = std::string(bytes);
}

void SimFileSystem::Remove(std::u16string_view path) {
  files_.erase(Key(path));
  dirs_.erase(Key(path));
}

void SimFileSystem::SetReadOnly(std::u16string_view folder, bool ro) {
  if (ro)
    readOnly_.insert(Key(folder));
  else
    readOnly_.erase(Key(folder));
}

}  // namespace sim
