#pragma once
// The real batch-suffix.exe, started for one test and driven from outside as
// a user would: through its window, its edit box and its message boxes.

#include <windows.h>

#include <optional>
#include <string>

namespace batch::testing {

struct StartOptions {
  std::string arguments;
  std::string folder;          // the working folder; empty: the driver's
  bool waitForWindow = true;   // false for programs that never show it
};

class RunningTool {
 public:
  // Starts the program and, unless told not to, waits until its main window
  // is shown.
  explicit RunningTool(const std::string& program, const StartOptions& options = {});
  ~RunningTool();  // ends the program if it is still running
  RunningTool(const RunningTool&) = delete;
  RunningTool& operator=(const RunningTool&) = delete;

  HWND Window() const { return window_; }
  HWND Control(const char* className) const;
  // A screen point inside the window's client area.
  POINT ClientPoint(int x, int y) const;

  // Replaces the edit box's content as typed keys would.
  void TypeIntoEditBox(const std::string& text) const;
  std::string EditBoxText() const;

  // The text of the program's message box with this caption, once it is
  // shown; nothing when none appears within the timeout.
  std::optional<std::string> WaitForBox(const char* caption, DWORD timeoutMs = 10000) const;
  // Presses the box's OK button.
  void DismissBox(const char* caption) const;
  bool BoxShown(const char* caption) const;

  // Asks the window to close, as its close button does; the exit code, or
  // nothing when the program has not ended within the timeout.
  std::optional<DWORD> Close(DWORD timeoutMs = 10000);
  std::optional<DWORD> WaitForExit(DWORD timeoutMs = 10000);

  // The program's working folder, read from its process parameters; it ends
  // in a backslash.
  std::string WorkingFolder() const;

 private:
  HWND FindOwnTopLevel(const char* className, const char* caption) const;
  // Waits until what the edit box posted to itself has been handled.
  void WaitForPostedInput(HWND box) const;

  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
};

// A window's text through WM_GETTEXT, which also reads other processes'
// controls.
std::string WindowText(HWND window);

// Where the build put a program: its path as given to the compiler, made
// usable under Wine (Unix paths live on drive Z:).
std::string ProgramPath(const char* builtPath);

}  // namespace batch::testing
