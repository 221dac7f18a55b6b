// The tool's two handlers inside the process shell, against a recording
// platform: the Created handler registers the main window with 拖放对象1, and
// a drop on it renames real files with the edit box's text as the suffix.

#include <gtest/gtest.h>

#include "platform/NativeFileSystem.h"
#include "shell/drop/DropTargetComponent.h"
#include "shell/drop/ToolHandlers.h"
#include "tests/shell/FakeProcessPort.h"
#include "tests/support/TempFolder.h"

namespace batch {
namespace {

using testing::FakeControl;
using Log = std::vector<std::string>;

class RecordedNotice final : public CompletionNotice {
 public:
  explicit RecordedNotice(Log& log) : log_(log) {}
  void Show(TextRef text, TextRef caption) override {
    log_.push_back(std::string(caption.View()) + std::string(text.View()));
  }

 private:
  Log& log_;
};

// A drop target whose platform registration is only logged.
class LoggedDropTarget final : public DropTargetComponent, DropRegistrar {
 public:
  LoggedDropTarget(const ComponentContext& context, Log& log)
      : events_(context.events, context.entry.id),
        target_(*DropTargetSettingsOf(context.entry), events_, *this),
        log_(log) {}
  DropTarget& Target() override { return target_; }

 private:
  bool Register(DropWindow window) override {
    log_.push_back("RegisterDragDrop " + std::to_string(window));
    return true;
  }
  ComponentDropEvents events_;
  DropTarget target_;
  Log& log_;
};

// Offers and delivers one file list.
class FileListData final : public DraggedData {
 public:
  explicit FileListData(std::vector<std::string> paths) : paths_(std::move(paths)) {}
  bool Offers(DropKind kind) override { return kind == DropKind::Files; }
  std::optional<Text> ReadText(DropKind) override { return std::nullopt; }
  std::optional<std::vector<Text>> ReadFileList() override {
    std::vector<Text> texts;
    for (const std::string& path : paths_) texts.push_back(Text::FromBytes(path));
    return texts;
  }

 private:
  std::vector<std::string> paths_;
};

struct Program {
  Program() {
    for (auto type : {ComponentType::Label, ComponentType::EditBox}) {
      shell.RegisterComponentType(type, [this](const ComponentContext& context) {
        return std::make_unique<FakeControl>(context, controlLog);
      });
    }
    shell.RegisterComponentType(ComponentType::DropTarget, [this](const ComponentContext& context) {
      return std::make_unique<LoggedDropTarget>(context, log);
    });
    RegisterToolHandlers(shell, {files, notice, kNativePaths});
    shell.InitRuntime();
    shell.LoadStartWindow(kMainWindowId);
  }

  DropTarget& Target() {
    return dynamic_cast<DropTargetComponent*>(shell.FindComponent(kMainWindowId, kDropTargetId))->Target();
  }

  Log log, controlLog;
  testing::FakeProcessPort port;
  ProcessShell shell{port};
  NativeFileSystem files;
  RecordedNotice notice{log};
};

TEST(ToolHandlers, CreatedRegistersTheMainWindowWithItsDropTargetOnce) {
  Program p;
  EXPECT_EQ(p.log, Log{"RegisterDragDrop " + std::to_string(testing::FakeProcessPort::kHandle)});
  EXPECT_FALSE(p.Target().RegisterDropWindow(testing::FakeProcessPort::kHandle));
}

TEST(ToolHandlers, ADropRenamesWithTheEditBoxTextAndShowsTheNotice) {
  Program p;
  testing::TempFolder folder;
  folder.MakeFile("a.txt", "a");
  folder.MakeFile("b", "b");
  p.log.clear();

  FileListData data({folder.Path("a.txt"), folder.Path("b")});
  DropEffects effect = kEffectCopy;
  p.Target().DragEnter(data, 0, effect);
  p.Target().Drop(data, 0, effect);
  EXPECT_EQ(folder.Tree(), (Log{"a.png=a", "b.png=b"}));  // the fake edit box holds "png"
  EXPECT_EQ(p.log, Log{"信息：改名完毕！"});
}

}  // namespace
}  // namespace batch
