#pragma once
// The process frame on the Qt desktop. The QApplication must exist for as
// long as this port is used.

#include "shell/process/ProcessPort.h"

namespace batch {

class QtProcessPort final : public ProcessPort {
 public:
  // Qt's drag-and-drop is ready with the QApplication, before any window is
  // created, and goes only with it, after every window: nothing to do.
  void InitializeDragDrop() override {}
  void ShutDownDragDrop() override {}
  void EnterProgramFolder() override;
  std::span<const std::uint8_t> DescriptionBlock() override;
  std::unique_ptr<NativeWindow> CreateProgramWindow(const WindowDescription& window,
                                             WindowObserver& observer) override;
  std::int32_t RunLoop(const std::function<void()>& idle) override;
  void PostQuit(std::int32_t code) override;
  void ShowFatalBox(TextRef text, TextRef caption) override;
  [[noreturn]] void EndProcess(std::int32_t code) override;
  void ReleaseWindowResources() override {}
};

}  // namespace batch
