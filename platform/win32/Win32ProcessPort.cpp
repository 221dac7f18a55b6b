#include "platform/win32/Win32ProcessPort.h"

#include <windows.h>
#include <ole2.h>

#include <vector>

#include "platform/win32/Win32MainWindow.h"

namespace batch {

void Win32ProcessPort::InitializeDragDrop() { OleInitialize(nullptr); }
void Win32ProcessPort::ShutDownDragDrop() { OleUninitialize(); }

void Win32ProcessPort::EnterProgramFolder() {
  std::vector<char> path(MAX_PATH);
  DWORD length;
  while ((length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()))) ==
         path.size()) {
    path.resize(path.size() * 2);
  }
  path[length] = '\0';
  // A trail byte of a two-byte character may be 0x5C: search as text.
  const std::int32_t slash = FindTextReverse(path.data(), "\\");
  if (slash < 1) return;
  path[static_cast<std::size_t>(slash - 1)] = '\0';
  SetCurrentDirectoryA(path.data());
}

std::span<const std::uint8_t> Win32ProcessPort::DescriptionBlock() {
  HRSRC resource = FindResourceA(nullptr, kDescriptionResource, MAKEINTRESOURCEA(10));  // RT_RCDATA
  HGLOBAL loaded = resource != nullptr ? LoadResource(nullptr, resource) : nullptr;
  const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (bytes == nullptr) return {};
  return {static_cast<const std::uint8_t*>(bytes), SizeofResource(nullptr, resource)};
}

std::unique_ptr<NativeWindow> Win32ProcessPort::CreateProgramWindow(const WindowDescription& window,
                                                             WindowObserver& observer) {
  return Win32MainWindow::Create(window, observer);
}

std::int32_t Win32ProcessPort::RunLoop(const std::function<void()>& idle) {
  MSG message;
  for (;;) {
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) idle();
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<std::int32_t>(message.wParam);
    if (got == -1) return 0;
    if (Win32MainWindow::PreTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

void Win32ProcessPort::PostQuit(std::int32_t code) { PostQuitMessage(code); }

void Win32ProcessPort::ShowFatalBox(TextRef text, TextRef caption) {
  MessageBoxA(nullptr, text.Bytes(), caption.Bytes(), MB_OK | MB_ICONERROR);
}

void Win32ProcessPort::EndProcess(std::int32_t code) { ExitProcess(static_cast<UINT>(code)); }

void Win32ProcessPort::ReleaseWindowResources() { Win32MainWindow::UnregisterWindowClass(); }

}  // namespace batch
