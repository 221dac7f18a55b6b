#include "shell/process/ProcessShell.h"

#include <algorithm>
#include <cstdlib>

#include "shell/process/FatalReport.h"
#include "shell/window/DescriptionBlock.h"
#include "text/Storage.h"

namespace batch {
namespace {

ProcessShell* current = nullptr;

}  // namespace

void InitGlobals() {}
void ReleaseGlobals() {}

[[noreturn]] void ReportFatalError(TextRef message, std::int32_t code, ComponentId window,
                                   ComponentId component) {
  if (current != nullptr) current->ReportFatalError(message, code, window, component);
  std::abort();
}

ProcessShell::ProcessShell(ProcessPort& platform) : platform_(platform) {
  current = this;
  InstallFatalReporter(&batch::ReportFatalError);
  // Until a platform supplies the real one, a drop target is an invisible
  // component that never raises anything.
  creators_[ComponentType::DropTarget] = [](const ComponentContext&) {
    return std::make_unique<Component>();
  };
}

ProcessShell::~ProcessShell() {
  EndProgram();  // the second, idle call while the process ends
  InstallFatalReporter(nullptr);
  current = nullptr;
}

void ProcessShell::RegisterHandler(std::string name, EventHandler handler) {
  handlers_[std::move(name)] = std::move(handler);
}

void ProcessShell::RegisterComponentType(ComponentType type, ComponentCreator create) {
  creators_[type] = std::move(create);
}

std::int32_t ProcessShell::StartProgram(ComponentId startWindow) {
  InitRuntime();
  InitGlobals();
  RegisterExitRoutine(&ReleaseGlobals);
  LoadStartWindow(startWindow);
  RunMessageLoop();
  return 0;
}

void ProcessShell::InitRuntime() {
  if (!dragDropReady_) {
    platform_.InitializeDragDrop();
    dragDropReady_ = true;
  }
  platform_.EnterProgramFolder();
  auto descriptions = ReadDescriptions(platform_.DescriptionBlock());
  if (!descriptions) ReportFatalError(kDescriptionUnreadable, 0, 0, 0);
  descriptions_ = std::move(*descriptions);
}

void ProcessShell::RegisterExitRoutine(ExitRoutine routine) {
  if (std::find(exitRoutines_.begin(), exitRoutines_.end(), routine) == exitRoutines_.end()) {
    exitRoutines_.push_back(routine);
  }
}

void ProcessShell::LoadStartWindow(ComponentId window) {
  const WindowDescription* description = FindDescription(window);
  if (description == nullptr) ReportFatalError(kStartWindowFailed, 0, window, 0);
  LiveWindow& live = *windows_.emplace_back(std::make_unique<LiveWindow>());
  live.id = window;
  if (BuildWindow(*description, live) && description->Window().visible) {
    live.native->Show(description->Settings().showState);
  }
}

bool ProcessShell::BuildWindow(const WindowDescription& description, LiveWindow& live) {
  // Whatever the window and its controls raise while they come into being
  // reaches no handler.
  ++suppression_;
  live.native = platform_.CreateProgramWindow(description, *this);
  if (live.native == nullptr) ReportFatalError(kStartWindowFailed, 0, live.id, 0);
  live.alive = true;
  live.native->SetIcons();

  const auto& entries = description.entries;
  std::vector<Component*> stacked(entries.size() - 1);
  live.components.resize(stacked.size());
  for (std::size_t i = entries.size() - 1; i >= 1; --i) {
    const auto creator = creators_.find(entries[i].Type());
    std::unique_ptr<Component> component;
    if (creator != creators_.end()) {
      component = creator->second({entries[i], description, *live.native, *this});
    }
    if (component == nullptr) ReportFatalError(kStartWindowFailed, 0, live.id, 0);
    stacked[i - 1] = component.get();
    live.components[i - 1] = {entries[i].id, std::move(component)};
  }
  live.native->ArrangeControls(stacked);
  for (std::size_t i = 1; i < entries.size(); ++i) {
    const bool shown = entries[i].visible && entries[i].Type() != ComponentType::DropTarget;
    shown ? stacked[i - 1]->Show() : stacked[i - 1]->Hide();
  }
  --suppression_;

  if (!RaiseBuildEvent(live.id, kCreatedEvent)) return false;
  for (std::int32_t event : kLaterBuildEvents) {
    if (!RaiseBuildEvent(live.id, event)) return false;
  }
  return true;
}

bool ProcessShell::RaiseBuildEvent(ComponentId window, std::int32_t event) {
  DeliverEvent(window, event, TextRef());
  return WindowAlive(window);
}

void ProcessShell::RunMessageLoop() {
  loopStarted_ = true;
  if (!AnyWindowAlive()) return;
  exitCode_ = platform_.RunLoop([this] {
    auto work = std::move(idleWork_);
    idleWork_.clear();
    for (auto& item : work) item();
  });
}

void ProcessShell::PostIdleWork(std::function<void()> work) { idleWork_.push_back(std::move(work)); }

void ProcessShell::WindowDestroyed(ComponentId window) {
  LiveWindow* live = FindLive(window);
  if (live == nullptr || !live->alive) return;
  live->alive = false;
  // The controls go with their window (a drop target withdraws its
  // registration while the window still exists).
  ReleaseControls(*live);
  if (loopStarted_ && !AnyWindowAlive()) platform_.PostQuit(0);
}

void ProcessShell::EndProgram() {
  ++suppression_;
  idleWork_.clear();
  descriptions_.clear();
  for (std::size_t i = 0; i < exitRoutines_.size(); ++i) exitRoutines_[i]();
  exitRoutines_.clear();
  if (!windows_.empty()) {
    for (auto& live : windows_) {
      ReleaseControls(*live);
      live->native.reset();
    }
    windows_.clear();
    platform_.ReleaseWindowResources();
  }
  if (dragDropReady_) {
    platform_.ShutDownDragDrop();
    dragDropReady_ = false;
  }
}

void ProcessShell::ReportFatalError(TextRef message, std::int32_t code, ComponentId window,
                                    ComponentId component) {
  ++suppression_;
  // A failure while the box is up, or while the report cleans up, ends the
  // process at once: there is nothing left to tell the user.
  if (reporting_) platform_.EndProcess(-1);
  reporting_ = true;
  const FatalText text = BuildFatalText(message, code, window, component, descriptions_);
  platform_.ShowFatalBox(text.bytes, kFatalCaption);
  exitRoutines_.clear();
  EndProgram();
  platform_.EndProcess(-1);
  std::abort();  // not reached: EndProcess does not return
}

void ProcessShell::DeliverEvent(ComponentId component, std::int32_t event, TextRef argument) {
  if (suppression_ > 0) return;
  for (const auto& live : windows_) {
    if (!live->alive) continue;
    const WindowDescription* description = FindDescription(live->id);
    const ComponentEntry* entry = description != nullptr ? description->Find(component) : nullptr;
    if (entry == nullptr) continue;
    const std::string* name = entry->HandlerFor(event);
    if (name == nullptr) return;
    const auto handler = handlers_.find(*name);
    if (handler != handlers_.end()) handler->second(argument);
    return;
  }
}

NativeHandle ProcessShell::WindowHandle(ComponentId window) {
  LiveWindow* live = FindLive(window);
  if (live == nullptr || !live->alive) ReportFatalError(TextRef(), 0, window, 0);
  return live->native->Handle();
}

Text ProcessShell::ComponentText(ComponentId window, ComponentId component) {
  if (Component* control = FindComponent(window, component)) return control->ReadText();
  ReportFatalError(TextRef(), 0, window, component);
}

Component* ProcessShell::FindComponent(ComponentId window, ComponentId component) {
  if (LiveWindow* live = FindLive(window); live != nullptr && live->alive) {
    for (auto& [id, control] : live->components) {
      if (id == component) return control.get();
    }
  }
  return nullptr;
}

void ProcessShell::ReleaseControls(LiveWindow& live) {
  for (auto& control : live.components) control.second.reset();
  live.components.clear();
}

bool ProcessShell::WindowAlive(ComponentId window) const {
  for (const auto& live : windows_) {
    if (live->id == window) return live->alive;
  }
  return false;
}

bool ProcessShell::AnyWindowAlive() const {
  return std::any_of(windows_.begin(), windows_.end(), [](const auto& live) { return live->alive; });
}

const WindowDescription* ProcessShell::FindDescription(ComponentId window) const {
  for (const WindowDescription& description : descriptions_) {
    if (description.Id() == window) return &description;
  }
  return nullptr;
}

ProcessShell::LiveWindow* ProcessShell::FindLive(ComponentId window) {
  for (auto& live : windows_) {
    if (live->id == window) return live.get();
  }
  return nullptr;
}

}  // namespace batch
