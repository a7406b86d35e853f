#include "SimProcesses.h"

namespace sim {

void SimProcesses::Program(std::u16string_view path, std::uint32_t exitCode,
                           std::function<void(const ProcessStart&)> action) {
  programs_[fs_.Key(path)] = {exitCode, std::move(action)};
}

std::optional<std::u16string> SimProcesses::Resolve(std::u16string_view cmd) {
  auto tryName = [&](std::u16string name) -> std::optional<std::u16string> {
    if (fs_.FileExists(name)) return fs_.Full(name);
    auto slash = name.find_last_of(u"\\/");
    auto dot = name.rfind(u'.');
    if (dot == std::u16string::npos || (slash != std::u16string::npos && dot < slash)) {
      name += u".exe";
      if (fs_.FileExists(name)) return fs_.Full(name);
    }
    return std::nullopt;
  };
  std::size_t start = 0;
  while (start < cmd.size() && (cmd[start] == u' ' || cmd[start] == u'\t')) ++start;
  if (start < cmd.size() && cmd[start] == u'"') {
    std::size_t close = cmd.find(u'"', start + 1);
    if (close == std::u16string_view::npos) close = cmd.size();
    return tryName(std::u16string(cmd.substr(start + 1, close - start - 1)));
  }
  for (std::size_t i = start; i <= cmd.size(); ++i) {
    if (i == cmd.size() || cmd[i] == u' ' || cmd[i] == u'\t') {
      if (i == start) continue;
      if (auto found = tryName(std::u16string(cmd.substr(start, i - start)))) return found;
    }
  }
  return std::nullopt;
}

std::optional<std::uint32_t> SimProcesses::StartAndWait(std::u16string_view commandLine,
                                                        std::uint16_t show) {
  auto program = Resolve(commandLine);
  if (!program) return std::nullopt;
  ProcessStart s{std::u16string(commandLine), *program, show};
  starts_.push_back(s);
  auto it = programs_.find(fs_.Key(*program));
  if (it == programs_.end()) return 0u;
  if (it->second.action) it->second.action(s);
  return it->second.exitCode;
}

}  // namespace sim
