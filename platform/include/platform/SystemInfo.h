#pragma once
// System-facts port: version, folders, long path names, screen resolution.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace plat {

// The narrow version structure (OSVERSIONINFOA, 148 bytes) as reported.
struct VersionInfo {
  std::uint32_t platformId = 0;
  std::uint32_t major = 0;
  std::uint32_t minor = 0;
  std::uint32_t build = 0;
  std::string csdVersion;  // service-pack text, at most 127 bytes
};

class SystemInfo {
 public:
  virtual ~SystemInfo() = default;
  virtual VersionInfo QueryVersion() = 0;
  // The system folder as the system-directory query returns it.
  virtual std::u16string SystemDirectory() = 0;
  // The temporary folder as the system reports it, with its trailing separator.
  virtual std::u16string TempDirectory() = 0;
  // Full path of the running program.
  virtual std::u16string ProgramPath() = 0;
  // Calls GetLongPathNameW, looked up in kernel32 at run time, with a buffer of
  // `capacity` characters: its return value, `out` holding the buffer's text.
  // nullopt when the system lacks the function.
  virtual std::optional<std::uint32_t> LongPathName(std::u16string_view path, std::u16string& out,
                                                    std::uint32_t capacity) = 0;
  // Logical pixels per inch of the screen, vertical direction.
  virtual int ScreenPixelsPerInchY() = 0;
};

}  // namespace plat
