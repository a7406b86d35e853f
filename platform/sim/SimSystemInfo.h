#pragma once
// Simulated system facts, set by the test: version, folders, long names of
// existing paths, screen resolution, and whether GetLongPathNameW exists.
#include <map>
#include <string>

#include "SimFileSystem.h"
#include "platform/SystemInfo.h"

namespace sim {

class SimSystemInfo : public plat::SystemInfo {
 public:
  explicit SimSystemInfo(SimFileSystem& fs) : fs_(fs) {}

  plat::VersionInfo QueryVersion() override { return version_; }
  std::u16string SystemDirectory() override { return systemDir_; }
  std::u16string TempDirectory() override { return tempDir_; }
  std::u16string ProgramPath() override { return programPath_; }
  std::optional<std::uint32_t> LongPathName(std::u16string_view path, std::u16string& out,
                                            std::uint32_t capacity) override;
  int ScreenPixelsPerInchY() override { return dpi_; }

  void SetVersion(plat::VersionInfo v) { version_ = std::move(v); }
  void SetSystemDirectory(std::u16string d) { systemDir_ = std::move(d); }
  void SetTempDirectory(std::u16string d) { tempDir_ = std::move(d); }
  void SetProgramPath(std::u16string p) { programPath_ = std::move(p); }
  void SetScreenPixelsPerInchY(int dpi) { dpi_ = dpi; }
  void SetLongPathAvailable(bool v) { longPathAvailable_ = v; }
  // The long form of an existing short path.
  void LongName(std::u16string_view shortPath, std::u16string longPath);

 private:
  SimFileSystem& fs_;
  plat::VersionInfo version_{2, 5, 1, 2600, "Service Pack 3"};
  std::u16string systemDir_ = u"C:\\WINDOWS\\system32";
  std::u16string tempDir_ = u"C:\\TEMP\\";
  std::u16string programPath_ = u"C:\\src\\setup.exe";
  int dpi_ = 96;
  bool longPathAvailable_ = true;
  std::map<std::u16string, std::u16string> longNames_;  // key -> long path
};

}  // namespace sim
