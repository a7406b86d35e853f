#pragma once
// The host's own CBT hook on the current thread, recording the creation
// parameters of every dialog window. Installed before the control installs
// its hook, it runs after the control's hook (hooks run newest first) and so
// sees the parameters as the control's hook has left them.
#include <windows.h>

#include "HostLog.h"

namespace host {

class CreationWatch {
 public:
  explicit CreationWatch(HostLog& log);
  CreationWatch(const CreationWatch&) = delete;
  CreationWatch& operator=(const CreationWatch&) = delete;
  ~CreationWatch();

  bool installed() const { return hook_ != nullptr; }

 private:
  HHOOK hook_ = nullptr;
  HostLog* previous_ = nullptr;
};

}  // namespace host
