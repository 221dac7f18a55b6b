#pragma once
// The whole life of the Windows program around the process shell: the error
// mode, the start sequence, the end, and the exit code.

#include <functional>

#include "shell/process/ProcessShell.h"

namespace batch {

// `wire` registers the program's handlers and component creators beyond the
// window's own labels and edit boxes. Returns the process's exit code.
int RunWin32Program(const std::function<void(ProcessShell&)>& wire);

}  // namespace batch
