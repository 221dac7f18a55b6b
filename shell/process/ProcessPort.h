#pragma once
// What the process frame needs from the platform it runs on.

#include <cstdint>
#include <functional>
#include <memory>
#include <span>

#include "shell/window/Component.h"
#include "text/Text.h"

namespace batch {

class ProcessPort {
 public:
  virtual ~ProcessPort() = default;

  // The drag-and-drop support of the main thread (OLE on Windows). The
  // result is of no interest: without it, drops simply never arrive.
  virtual void InitializeDragDrop() = 0;
  virtual void ShutDownDragDrop() = 0;
  // Makes the executable's folder the working directory; failure is ignored.
  virtual void EnterProgramFolder() = 0;
  // The embedded window description block.
  virtual std::span<const std::uint8_t> DescriptionBlock() = 0;

  // Creates the window of a description, not yet visible; nullptr on failure.
  virtual std::unique_ptr<NativeWindow> CreateProgramWindow(const WindowDescription& window,
                                                     WindowObserver& observer) = 0;

  // Fetches and dispatches window messages until the quit request, calling
  // `idle` whenever the queue is empty; returns the quit request's code.
  virtual std::int32_t RunLoop(const std::function<void()>& idle) = 0;
  virtual void PostQuit(std::int32_t code) = 0;

  // A modal box with the stop icon and an OK button, owned by no window.
  virtual void ShowFatalBox(TextRef text, TextRef caption) = 0;
  [[noreturn]] virtual void EndProcess(std::int32_t code) = 0;

  // The program ends: release what the platform's windows still hold.
  virtual void ReleaseWindowResources() = 0;
};

}  // namespace batch
