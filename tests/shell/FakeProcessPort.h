#pragma once
// A platform that records what the process shell asks of it, in one log.

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "shell/process/ProcessPort.h"
#include "shell/window/DescriptionBlock.h"
#include "shell/window/MainWindow.h"

namespace batch::testing {

// Thrown where the process would end.
struct ProcessEnded {
  std::int32_t code;
};

class FakeProcessPort final : public ProcessPort {
 public:
  std::vector<std::string> log;
  std::vector<std::uint8_t> block;
  bool windowFails = false;
  std::function<void()> whileLooping;  // what the user does while the loop runs
  std::function<void()> whileBoxShown;
  std::string boxText, boxCaption;
  WindowObserver* observer = nullptr;

  FakeProcessPort() {
    const WindowDescription windows[] = {MainWindowDescription()};
    block = EncodeDescriptions(windows);
  }

  void InitializeDragDrop() override { log.push_back("InitializeDragDrop"); }
  void ShutDownDragDrop() override { log.push_back("ShutDownDragDrop"); }
  void EnterProgramFolder() override { log.push_back("EnterProgramFolder"); }
  std::span<const std::uint8_t> DescriptionBlock() override { return block; }

  std::unique_ptr<NativeWindow> CreateProgramWindow(const WindowDescription& window,
                                             WindowObserver& windowObserver) override {
    log.push_back("CreateWindow " + std::to_string(window.Id()));
    if (windowFails) return nullptr;
    observer = &windowObserver;
    return std::make_unique<Window>(*this);
  }

  std::int32_t RunLoop(const std::function<void()>& idle) override {
    log.push_back("RunLoop");
    if (whileLooping) whileLooping();
    idle();
    return quitCode_;
  }
  void PostQuit(std::int32_t code) override {
    log.push_back("PostQuit " + std::to_string(code));
    quitCode_ = code;
  }

  void ShowFatalBox(TextRef text, TextRef caption) override {
    log.push_back("FatalBox");
    boxText = text.View();
    boxCaption = caption.View();
    if (whileBoxShown) whileBoxShown();
  }
  [[noreturn]] void EndProcess(std::int32_t code) override {
    log.push_back("EndProcess " + std::to_string(code));
    throw ProcessEnded{code};
  }
  void ReleaseWindowResources() override { log.push_back("ReleaseWindowResources"); }

  // The user closes the window, or a handler destroys it.
  void DestroyWindow(ComponentId window) {
    log.push_back("Destroyed");
    observer->WindowDestroyed(window);
  }

  static constexpr NativeHandle kHandle = 0x1234;

 private:
  class Window final : public NativeWindow {
   public:
    explicit Window(FakeProcessPort& port) : port_(port) {}
    NativeHandle Handle() const override { return kHandle; }
    void SetIcons() override { port_.log.push_back("SetIcons"); }
    void ArrangeControls(std::span<Component* const> topmostFirst) override {
      std::string line = "Arrange";
      for (Component* c : topmostFirst) {
        line += ' ';
        line += std::to_string(c->Handle());
      }
      port_.log.push_back(line);
    }
    void Show(ShowState) override { port_.log.push_back("ShowWindow"); }

   private:
    FakeProcessPort& port_;
  };

  std::int32_t quitCode_ = -100;  // no quit request posted
};

// A control that logs its life; its handle is its identifier. It raises
// `raise` (event 3) whenever it is shown or hidden, to show what is dropped.
class FakeControl final : public Component {
 public:
  FakeControl(const ComponentContext& context, std::vector<std::string>& log)
      : id_(context.entry.id), events_(context.events), log_(log) {
    log_.push_back("Create " + std::to_string(id_));
    events_.DeliverEvent(id_, kGotFileEvent, "while created");
  }
  ~FakeControl() override { log_.push_back("Release " + std::to_string(id_)); }
  NativeHandle Handle() const override { return static_cast<NativeHandle>(id_); }
  void Show() override { Log("Show"); }
  void Hide() override { Log("Hide"); }
  Text ReadText() override { return Text::FromBytes("png"); }

 private:
  void Log(const char* what) {
    log_.push_back(std::string(what) + " " + std::to_string(id_));
    events_.DeliverEvent(id_, kGotFileEvent, what);
  }
  ComponentId id_;
  EventSink& events_;
  std::vector<std::string>& log_;
};

}  // namespace batch::testing
