#include "platform/win32/Win32Program.h"

#include <windows.h>

#include "platform/win32/Win32EditBox.h"
#include "platform/win32/Win32Label.h"
#include "platform/win32/Win32ProcessPort.h"
#include "shell/window/MainWindow.h"

namespace batch {

int RunWin32Program(const std::function<void(ProcessShell&)>& wire) {
  // No "insert a disk" or "cannot open" prompts: file operations just fail.
  SetErrorMode(SetErrorMode(0) | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);

  Win32ProcessPort platform;
  ProcessShell shell(platform);
  shell.RegisterComponentType(ComponentType::Label, &Win32Label::Create);
  shell.RegisterComponentType(ComponentType::EditBox, &Win32EditBox::Create);
  wire(shell);

  shell.StartProgram(kMainWindowId);
  shell.EndProgram();
  return shell.ExitCode();  // the shell's end repeats EndProgram, which finds nothing to do
}

}  // namespace batch
