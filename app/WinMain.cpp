// batch-suffix.exe: the window shell with the main window's handlers, the
// Windows file system and the completion box. The command line is ignored.

#include <windows.h>

#include "app/MainWindowWiring.h"
#include "platform/win32/Win32Program.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  return batch::RunWin32Program(&batch::WireMainWindow);
}
