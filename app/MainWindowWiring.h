#pragma once
// What the Windows program plugs into the shell for its main window.

#include "shell/process/ProcessShell.h"

namespace batch {

void WireMainWindow(ProcessShell& shell);

}  // namespace batch
