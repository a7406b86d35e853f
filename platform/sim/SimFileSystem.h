#pragma once
// In-memory file system for native tests: Windows-style wide paths
// ("C:\\dir\\file"), names compared without regard to letter case, "/" taken
// as "\\", relative paths resolved against the current folder.
#include <map>
#include <set>
#include <string>

#include "platform/FileSystem.h"

namespace sim {

class SimFileSystem : public plat::FileSystem {
 public:
  SimFileSystem();

  bool FileExists(std::u16string_view path) override;
  bool DirectoryExists(std::u16string_view path) override;
  std::optional<std::string> ReadAll(std::u16string_view path) override;
  std::uint32_t WriteAll(std::u16string_view path, std::string_view bytes) override;
  bool CopyTo(std::u16string_view from, std::u16string_view to, bool failIfExists) override;
  std::u16string CurrentDirectory() override { return cwd_; }

  // --- test helpers ---
  void SetCurrentDirectory(std::u16string dir) { cwd_ = Full(dir); }
  // Creates the file (and its missing parent folders).
  void Put(std::u16string_view path, std::string_view bytes);
  void MakeDirectory(std::u16string_view path);
  void Remove(std::u16string_view path);
  // Writes into this folder (not below it) fail with access denied.
  void SetReadOnly(std::u16string_view folder, bool ro = true);
  std::optional<std::string> Bytes(std::u16string_view path) const;

  // Absolute, normalised form of a path (same letter case as given).
  std::u16string Full(std::u16string_view path) const;
  // Lookup key: the full path in lower case.
  std::u16string Key(std::u16string_view path) const;

 private:
  std::u16string cwd_ = u"C:\\";
  std::map<std::u16string, std::string> files_;  // key -> bytes
  std::set<std::u16string> dirs_;                // keys
  std::set<std::u16string> readOnly_;            // keys
};

}  // namespace sim
