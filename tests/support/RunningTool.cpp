#include "tests/support/RunningTool.h"

#include <winternl.h>

#include <stdexcept>
#include <vector>

namespace batch::testing {
namespace {

constexpr DWORD kPollMs = 50;
constexpr const char* kMainCaption = "批量修改文件后缀";
constexpr const char* kBoxClass = "#32770";
constexpr int kBoxTextId = 0xFFFF;

// Calls `found` every few milliseconds until it yields something or the
// time is up.
template <class Find>
auto Poll(DWORD timeoutMs, Find found) -> decltype(found()) {
  for (DWORD waited = 0;; waited += kPollMs) {
    if (auto result = found()) return result;
    if (waited >= timeoutMs) return {};
    Sleep(kPollMs);
  }
}

struct TopLevelQuery {
  DWORD process;
  const char* className;
  const char* caption;
  HWND found = nullptr;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM param) {
  auto& query = *reinterpret_cast<TopLevelQuery*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  char className[64] = {}, caption[256] = {};
  GetClassNameA(window, className, sizeof className);
  GetWindowTextA(window, caption, sizeof caption);
  const bool classMatches = query.className == nullptr || lstrcmpA(className, query.className) == 0;
  if (process == query.process && IsWindowVisible(window) && classMatches &&
      lstrcmpA(caption, query.caption) == 0) {
    query.found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

std::string WindowText(HWND window) {
  const auto length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const auto copied =
      SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(copied));
  return text;
}

RunningTool::RunningTool(const std::string& program, const StartOptions& options) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  std::string commandLine = "\"" + program + "\" " + options.arguments;
  if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      options.folder.empty() ? nullptr : options.folder.c_str(), &startup,
                      &process_))
    throw std::runtime_error("cannot start " + program);
  if (!options.waitForWindow) return;
  window_ = Poll(20000, [&] { return FindOwnTopLevel(nullptr, kMainCaption); });
  if (window_ == nullptr) throw std::runtime_error("no main window from " + program);
}

RunningTool::~RunningTool() {
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 5000);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

HWND RunningTool::FindOwnTopLevel(const char* className, const char* caption) const {
  TopLevelQuery query{process_.dwProcessId, className, caption};
  EnumWindows(&MatchTopLevel, reinterpret_cast<LPARAM>(&query));
  return query.found;
}

HWND RunningTool::Control(const char* className) const {
  return FindWindowExA(window_, nullptr, className, nullptr);
}

POINT RunningTool::ClientPoint(int x, int y) const {
  POINT point{x, y};
  ClientToScreen(window_, &point);
  return point;
}

void RunningTool::TypeIntoEditBox(const std::string& text) const {
  HWND box = Control("Edit");
  SendMessageA(box, EM_SETSEL, 0, -1);
  SendMessageA(box, WM_CHAR, VK_BACK, 0);
  bool posted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte >= 0x80 && i + 1 < text.size()) {
      // A two-byte character arrives as one input-method character.
      const auto trail = static_cast<unsigned char>(text[++i]);
      SendMessageA(box, WM_IME_CHAR, static_cast<WPARAM>(byte << 8 | trail), 0);
      posted = true;
    } else {
      SendMessageA(box, WM_CHAR, byte, 0);
    }
  }
  if (posted) WaitForPostedInput(box);
}

// An ANSI window turns WM_IME_CHAR into two WM_CHARs that it posts to itself.
// A selection of everything, posted after them, shows when they are done
// (the box is not empty then: something was typed).
void RunningTool::WaitForPostedInput(HWND box) const {
  PostMessageA(box, EM_SETSEL, 0, -1);
  Poll(5000, [&] {
    DWORD start = 1, end = 0;
    SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return start == 0 && end > 0;  // until then the caret stands, collapsed, at the end
  });
  SendMessageA(box, EM_SETSEL, static_cast<WPARAM>(-1), -1);  // the caret back at the end
}

std::string RunningTool::EditBoxText() const { return WindowText(Control("Edit")); }

bool RunningTool::BoxShown(const char* caption) const {
  return FindOwnTopLevel(kBoxClass, caption) != nullptr;
}

std::optional<std::string> RunningTool::WaitForBox(const char* caption, DWORD timeoutMs) const {
  HWND box = Poll(timeoutMs, [&] { return FindOwnTopLevel(kBoxClass, caption); });
  if (box == nullptr) return std::nullopt;
  return WindowText(GetDlgItem(box, kBoxTextId));
}

void RunningTool::DismissBox(const char* caption) const {
  if (HWND box = FindOwnTopLevel(kBoxClass, caption)) PostMessageA(box, WM_COMMAND, IDOK, 0);
}

std::optional<DWORD> RunningTool::Close(DWORD timeoutMs) {
  PostMessageA(window_, WM_CLOSE, 0, 0);
  return WaitForExit(timeoutMs);
}

std::optional<DWORD> RunningTool::WaitForExit(DWORD timeoutMs) {
  if (WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

std::string RunningTool::WorkingFolder() const {
  PROCESS_BASIC_INFORMATION basic{};
  NtQueryInformationProcess(process_.hProcess, ProcessBasicInformation, &basic, sizeof basic, nullptr);
  auto read = [&](const void* at, void* into, SIZE_T size) {
    return ReadProcessMemory(process_.hProcess, at, into, size, nullptr) != 0;
  };
  // The 64-bit layouts: PEB.ProcessParameters at 0x20, and the current
  // directory's DOS path at 0x38 of the parameters.
  const char* parameters = nullptr;
  UNICODE_STRING path{};
  if (!read(reinterpret_cast<const char*>(basic.PebBaseAddress) + 0x20, &parameters, sizeof parameters) ||
      !read(parameters + 0x38, &path, sizeof path)) {
    return {};
  }
  std::vector<wchar_t> wide(path.Length / sizeof(wchar_t));
  if (!read(path.Buffer, wide.data(), path.Length)) return {};
  const int count = static_cast<int>(wide.size());
  std::string folder(static_cast<std::size_t>(
                         WideCharToMultiByte(CP_ACP, 0, wide.data(), count, nullptr, 0, nullptr, nullptr)),
                     '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), count, folder.data(), static_cast<int>(folder.size()),
                      nullptr, nullptr);
  return folder;
}

std::string ProgramPath(const char* builtPath) {
  std::string path = builtPath;
  for (char& c : path)
    if (c == '/') c = '\\';
  return builtPath[0] == '/' ? "Z:" + path : path;
}

}  // namespace batch::testing
