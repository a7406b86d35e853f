#pragma once
// Simulated process creation: a command line starts when its program names an
// existing file of the simulated file system (as CreateProcessW finds it:
// a quoted first token, or the shortest blank-separated prefix that exists,
// ".exe" added when the name has no extension). Every start is recorded;
// a test may give a program an action and an exit code.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "SimFileSystem.h"
#include "platform/Processes.h"

namespace sim {

struct ProcessStart {
  std::u16string commandLine;
  std::u16string program;  // full path as resolved
  std::uint16_t show = 0;
};

class SimProcesses : public plat::Processes {
 public:
  explicit SimProcesses(SimFileSystem& fs) : fs_(fs) {}

  std::optional<std::uint32_t> StartAndWait(std::u16string_view commandLine,
                                            std::uint16_t show) override;

  // Runs `action` (if any) when the program starts; the process then ends
  // with `exitCode`.
  void Program(std::u16string_view path, std::uint32_t exitCode,
               std::function<void(const ProcessStart&)> action = {});
  const std::vector<ProcessStart>& Starts() const { return starts_; }

 private:
  struct Behaviour {
    std::uint32_t exitCode = 0;
    std::function<void(const ProcessStart&)> action;
  };
  std::optional<std::u16string> Resolve(std::u16string_view commandLine);

  SimFileSystem& fs_;
  std::map<std::u16string, Behaviour> programs_;  // file-system key -> behaviour
  std::vector<ProcessStart> starts_;
};

}  // namespace sim
