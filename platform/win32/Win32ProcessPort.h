#pragma once
// The process frame on Windows: OLE, the working directory, the description
// block in the executable's resources, the message loop and the fatal box.

#include "shell/process/ProcessPort.h"

namespace batch {

// The resource that holds the window description block (type RCDATA).
inline constexpr const char* kDescriptionResource = "WINDOW_DESCRIPTION";

class Win32ProcessPort final : public ProcessPort {
 public:
  void InitializeDragDrop() override;
  void ShutDownDragDrop() override;
  void EnterProgramFolder() override;
  std::span<const std::uint8_t> DescriptionBlock() override;
  std::unique_ptr<NativeWindow> CreateProgramWindow(const WindowDescription& window,
                                             WindowObserver& observer) override;
  std::int32_t RunLoop(const std::function<void()>& idle) override;
  void PostQuit(std::int32_t code) override;
  void ShowFatalBox(TextRef text, TextRef caption) override;
  [[noreturn]] void EndProcess(std::int32_t code) override;
  void ReleaseWindowResources() override;
};

}  // namespace batch
