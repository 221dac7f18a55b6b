#pragma once
// The life of the process: start-up, the window build, the message loop, the
// orderly end, the fatal report, and the delivery of events to the handlers
// that the window description binds.
//
// One instance per process, used on the one thread that does everything.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "shell/process/ProcessPort.h"
#include "shell/window/Component.h"
#include "shell/window/WindowDescription.h"

namespace batch {

using ExitRoutine = void (*)();
using EventHandler = std::function<void(TextRef argument)>;

// The program's global data: this tool has none to set up or release.
void InitGlobals();
void ReleaseGlobals();

class ProcessShell final : public EventSink, WindowObserver {
 public:
  // Becomes the process's shell and its fatal reporter.
  explicit ProcessShell(ProcessPort& platform);
  ~ProcessShell() override;
  ProcessShell(const ProcessShell&) = delete;
  ProcessShell& operator=(const ProcessShell&) = delete;

  // Set-up by the program before StartProgram.
  void RegisterHandler(std::string name, EventHandler handler);
  void RegisterComponentType(ComponentType type, ComponentCreator create);

  // Runs the program's fixed start sequence; returns 0.
  std::int32_t StartProgram(ComponentId startWindow);
  void InitRuntime();
  void RegisterExitRoutine(ExitRoutine routine);
  void LoadStartWindow(ComponentId window);
  void RunMessageLoop();
  void EndProgram();
  [[noreturn]] void ReportFatalError(TextRef message, std::int32_t code, ComponentId window,
                                     ComponentId component);

  // Work for the loop to do once its queue is empty.
  void PostIdleWork(std::function<void()> work);

  void DeliverEvent(ComponentId component, std::int32_t event, TextRef argument) override;

  // Look-ups for the handlers; asking for what is not loaded is fatal.
  NativeHandle WindowHandle(ComponentId window);
  Text ComponentText(ComponentId window, ComponentId component);
  // A live control of a live window, or nullptr.
  Component* FindComponent(ComponentId window, ComponentId component);

  bool WindowAlive(ComponentId window) const;
  std::int32_t ExitCode() const { return exitCode_; }
  int EventSuppression() const { return suppression_; }
  const std::vector<ExitRoutine>& ExitRoutines() const { return exitRoutines_; }

 private:
  struct LiveWindow {
    ComponentId id = 0;
    std::unique_ptr<NativeWindow> native;
    std::vector<std::pair<ComponentId, std::unique_ptr<Component>>> components;  // stored order
    bool alive = false;
  };

  void WindowDestroyed(ComponentId window) override;
  const WindowDescription* FindDescription(ComponentId window) const;
  LiveWindow* FindLive(ComponentId window);
  // Steps that may stop the build: false once the window is gone.
  bool BuildWindow(const WindowDescription& description, LiveWindow& live);
  bool RaiseBuildEvent(ComponentId window, std::int32_t event);
  bool AnyWindowAlive() const;
  static void ReleaseControls(LiveWindow& live);

  ProcessPort& platform_;
  std::map<std::string, EventHandler> handlers_;
  std::map<ComponentType, ComponentCreator> creators_;

  bool dragDropReady_ = false;
  std::vector<WindowDescription> descriptions_;
  std::vector<ExitRoutine> exitRoutines_;
  std::vector<std::function<void()>> idleWork_;
  std::vector<std::unique_ptr<LiveWindow>> windows_;
  bool loopStarted_ = false;
  int suppression_ = 0;
  bool reporting_ = false;
  std::int32_t exitCode_ = 0;
};

}  // namespace batch
