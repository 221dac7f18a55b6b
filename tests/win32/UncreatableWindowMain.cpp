// A test build of batch-suffix.exe whose main window the system refuses to
// create: a CBT hook vetoes the creation of the program's window class, so
// the real creation path fails as it would when the system is out of
// resources. Other windows, the fatal box among them, are left alone.

#include <windows.h>

#include <cstring>

#include "app/MainWindowWiring.h"
#include "platform/win32/Win32Program.h"

namespace {

LRESULT CALLBACK VetoTopLevelWindows(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    const char* windowClass = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs->lpszClass;
    const bool named = reinterpret_cast<ULONG_PTR>(windowClass) > 0xFFFF;  // not an atom
    if (named && std::strcmp(windowClass, "BatchSuffixWindow") == 0) return 1;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  SetWindowsHookExA(WH_CBT, &VetoTopLevelWindows, nullptr, GetCurrentThreadId());
  return batch::RunWin32Program(&batch::WireMainWindow);
}
