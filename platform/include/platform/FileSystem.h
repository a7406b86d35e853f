#pragma once
// File-system port: files and folders by wide path. Relative paths are taken
// from the process's current folder, as Windows does.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace plat {

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // True for an existing file, false for a folder or nothing.
  virtual bool FileExists(std::u16string_view path) = 0;
  virtual bool DirectoryExists(std::u16string_view path) = 0;
  // The whole file; nullopt when it cannot be opened or read.
  virtual std::optional<std::string> ReadAll(std::u16string_view path) = 0;
  // Creates or truncates the file and writes `bytes`. Returns 0 or the Win32
  // error code of the failure.
  virtual std::uint32_t WriteAll(std::u16string_view path, std::string_view bytes) = 0;
  // Like CopyFileW.
  virtual bool CopyTo(std::u16string_view from, std::u16string_view to, bool failIfExists) = 0;
  virtual std::u16string CurrentDirectory() = 0;
};

}  // namespace plat
