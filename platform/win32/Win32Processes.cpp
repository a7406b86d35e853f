#include "Win32Processes.h"

#include <vector>

#include "Win32Wide.h"

namespace win {

std::optional<std::uint32_t> Win32Processes::StartAndWait(std::u16string_view commandLine,
                                                          std::uint16_t show) {
  // CreateProcessW may write into the command line, so it gets its own copy.
  std::vector<wchar_t> cmd(commandLine.begin(), commandLine.end());
  cmd.push_back(L'\0');
  STARTUPINFOW si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = show;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE,
                      CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS, nullptr, nullptr, &si, &pi))
    return std::nullopt;
  UniqueHandle process(pi.hProcess);
  UniqueHandle thread(pi.hThread);
  WaitForSingleObject(process.get(), INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(process.get(), &code);
  return static_cast<std::uint32_t>(code);
}

}  // namespace win
