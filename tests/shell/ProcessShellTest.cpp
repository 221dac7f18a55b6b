// The life of the process against a recording platform: call orders, the
// build, the quit request, the end, the fatal report and event delivery.

#include <gtest/gtest.h>

#include "shell/process/ProcessShell.h"
#include "tests/shell/FakeProcessPort.h"
#include "tests/support/FatalTrap.h"

namespace batch {
namespace {

using testing::FakeControl;
using testing::ProcessEnded;
using Log = std::vector<std::string>;

Log* routineLog = nullptr;
void FirstRoutine() { routineLog->push_back("first routine"); }
void SecondRoutine() { routineLog->push_back("second routine"); }

// The shell with fake controls and the two handlers, which log their calls.
struct Program {
  Program() {
    routineLog = &port.log;
    for (auto type : {ComponentType::Label, ComponentType::EditBox, ComponentType::DropTarget}) {
      shell.RegisterComponentType(type, [this](const ComponentContext& context) {
        return std::make_unique<FakeControl>(context, port.log);
      });
    }
    shell.RegisterHandler(kAttachDropTargetHandler, [this](TextRef) {
      port.log.push_back("AttachDropTarget " + std::to_string(shell.WindowHandle(kMainWindowId)));
      if (destroyWhenCreated) port.DestroyWindow(kMainWindowId);
    });
    shell.RegisterHandler(kRenameDroppedFilesHandler, [this](TextRef files) {
      port.log.push_back("RenameDroppedFiles " + std::string(files.View()));
    });
  }

  // Runs the start sequence, which must end the process; returns the code.
  std::int32_t StartUntilEnded() {
    try {
      shell.StartProgram(kMainWindowId);
    } catch (const ProcessEnded& ended) {
      return ended.code;
    }
    ADD_FAILURE() << "the process did not end";
    return 0;
  }

  // The window built and shown, the log emptied.
  void Build() {
    shell.InitRuntime();
    shell.LoadStartWindow(kMainWindowId);
    port.log.clear();
  }

  testing::FakeProcessPort port;
  ProcessShell shell{port};
  bool destroyWhenCreated = false;
};

const Log kBuild = {
    "CreateWindow 1", "SetIcons",
    "Create 5", "Create 4", "Create 3", "Create 2",  // reverse stored order
    "Arrange 2 3 4 5",                               // stored order, topmost first
    "Hide 2", "Show 3", "Show 4", "Show 5",          // the drop target never shows
    "AttachDropTarget 4660"};
const Log kControlsReleased = {"Release 2", "Release 3", "Release 4", "Release 5"};

Log Concat(std::initializer_list<Log> parts) {
  Log all;
  for (const Log& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

TEST(ProcessShell, StartsRunsUntilTheWindowClosesAndEndsInOrder) {
  Program p;
  p.port.whileLooping = [&] { p.port.DestroyWindow(kMainWindowId); };
  EXPECT_EQ(p.shell.StartProgram(kMainWindowId), 0);
  EXPECT_EQ(p.shell.ExitRoutines(), std::vector<ExitRoutine>{&ReleaseGlobals});
  p.shell.RegisterExitRoutine(&FirstRoutine);
  p.shell.EndProgram();

  EXPECT_EQ(p.port.log, Concat({{"InitializeDragDrop", "EnterProgramFolder"},
                                kBuild,
                                {"ShowWindow", "RunLoop", "Destroyed"},
                                kControlsReleased,
                                {"PostQuit 0", "first routine", "ReleaseWindowResources",
                                 "ShutDownDragDrop"}}));
  EXPECT_EQ(p.shell.ExitCode(), 0);

  const std::size_t logged = p.port.log.size();
  p.shell.EndProgram();  // the second call finds nothing left to do
  EXPECT_EQ(p.port.log.size(), logged);
}

TEST(ProcessShell, ExitRoutinesRunOnceEachInRegistrationOrder) {
  Program p;
  p.shell.RegisterExitRoutine(&SecondRoutine);
  p.shell.RegisterExitRoutine(&FirstRoutine);
  p.shell.RegisterExitRoutine(&SecondRoutine);
  EXPECT_EQ(p.shell.ExitRoutines(), (std::vector<ExitRoutine>{&SecondRoutine, &FirstRoutine}));
  p.shell.EndProgram();
  EXPECT_EQ(p.port.log, (Log{"second routine", "first routine"}));
  EXPECT_TRUE(p.shell.ExitRoutines().empty());
}

TEST(ProcessShell, WindowDestroyedByItsCreatedHandlerSkipsShowAndLoop) {
  Program p;
  p.destroyWhenCreated = true;
  EXPECT_EQ(p.shell.StartProgram(kMainWindowId), 0);
  EXPECT_EQ(p.port.log, Concat({{"InitializeDragDrop", "EnterProgramFolder"},
                                kBuild,
                                {"Destroyed"},
                                kControlsReleased}));  // no quit request, no loop
  EXPECT_EQ(p.shell.ExitCode(), 0);
}

TEST(ProcessShell, FatalFailuresAtStartShowTheBoxAndEndWithMinusOne) {
  const char* unreadable = "运行时出错!\r\n\r\n错误信息：载入窗口模板数据段出错!\r\n\r\n0, 0\r\n";
  const char* notCreated =
      "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n\r\n1, 0\r\n窗口：批量修改文件后缀\r\n";
  const Log end = {"FatalBox", "ShutDownDragDrop", "EndProcess -1"};
  const Log endAfterWindow = {"FatalBox", "ReleaseWindowResources", "ShutDownDragDrop",
                              "EndProcess -1"};
  const struct {
    const char* what;
    std::function<void(Program&)> arrange;
    const char* box;
    Log log;
  } cases[] = {
      {"block truncated", [](Program& p) { p.port.block.pop_back(); }, unreadable, end},
      {"block empty", [](Program& p) { p.port.block.clear(); }, unreadable, end},
      {"block of another version", [](Program& p) { p.port.block[4] = 2; }, unreadable, end},
      {"window not creatable", [](Program& p) { p.port.windowFails = true; }, notCreated,
       Concat({{"CreateWindow 1"}, endAfterWindow})},
      {"control not creatable",
       [](Program& p) {
         p.shell.RegisterComponentType(ComponentType::EditBox,
                                       [](const ComponentContext&) { return nullptr; });
       },
       notCreated,
       Concat({{"CreateWindow 1", "SetIcons", "Create 5", "FatalBox", "Release 5",
                "ReleaseWindowResources", "ShutDownDragDrop", "EndProcess -1"}})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Program p;
    p.shell.RegisterExitRoutine(&FirstRoutine);  // must not run
    c.arrange(p);
    EXPECT_EQ(p.StartUntilEnded(), -1);
    EXPECT_EQ(p.port.boxText, c.box);
    EXPECT_EQ(p.port.boxCaption, "错误");
    Log expected = {"InitializeDragDrop", "EnterProgramFolder"};
    expected.insert(expected.end(), c.log.begin(), c.log.end());
    EXPECT_EQ(p.port.log, expected);
    EXPECT_TRUE(p.shell.ExitRoutines().empty());
  }
}

TEST(ProcessShell, UnknownStartWindowIsReportedWithItsIdentifier) {
  Program p;
  p.shell.InitRuntime();
  EXPECT_THROW(p.shell.LoadStartWindow(42), ProcessEnded);
  EXPECT_EQ(p.port.boxText,
            "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n\r\n42, 0\r\n未找到所指定的窗口\r\n");
}

TEST(ProcessShell, RefusedStorageReachesTheFatalBox) {
  Program p;
  p.Build();
  testing::CountingStorage storage(1);
  EXPECT_THROW(Text::FromBytes(std::string(63, 'x')), ProcessEnded);
  EXPECT_EQ(p.port.boxText, "运行时出错!\r\n\r\n错误信息：分配 64 字节内存失败!\r\n\r\n0, 0\r\n");
}

TEST(ProcessShell, EventsReachTheirBoundHandlerOnlyWhileNothingSuppressesThem) {
  Program p;
  p.Build();  // the controls raised GotFile while built: nothing was delivered
  EXPECT_EQ(p.shell.EventSuppression(), 0);

  p.shell.DeliverEvent(kDropTargetId, kGotFileEvent, "C:\\d\\a.txt");
  p.shell.DeliverEvent(kDropTargetId, 0, "unbound event");
  p.shell.DeliverEvent(kSuffixBoxId, kGotFileEvent, "nothing bound on this control");
  p.shell.DeliverEvent(99, kGotFileEvent, "no such control");
  EXPECT_EQ(p.port.log, (Log{"RenameDroppedFiles C:\\d\\a.txt"}));

  // While the fatal box is up its modal loop still dispatches; nothing runs.
  p.port.whileBoxShown = [&] { p.shell.DeliverEvent(kDropTargetId, kGotFileEvent, "dropped"); };
  EXPECT_THROW(p.shell.ReportFatalError("x", 0, 0, 0), ProcessEnded);
  EXPECT_EQ(std::count(p.port.log.begin(), p.port.log.end(), "RenameDroppedFiles dropped"), 0);
  EXPECT_GT(p.shell.EventSuppression(), 0);
}

TEST(ProcessShell, NoEventReachesAHandlerOnceTheEndHasBegun) {
  Program p;
  p.Build();
  p.shell.EndProgram();
  p.shell.DeliverEvent(kDropTargetId, kGotFileEvent, "late");
  EXPECT_EQ(std::count(p.port.log.begin(), p.port.log.end(), "RenameDroppedFiles late"), 0);
}

TEST(ProcessShell, HandlersFindTheWindowHandleAndTheSuffixText) {
  Program p;
  p.Build();
  EXPECT_EQ(p.shell.WindowHandle(kMainWindowId), testing::FakeProcessPort::kHandle);
  EXPECT_EQ(p.shell.ComponentText(kMainWindowId, kSuffixBoxId).View(), "png");

  EXPECT_THROW(p.shell.ComponentText(kMainWindowId, 99), ProcessEnded);
  EXPECT_EQ(p.port.boxText,
            "运行时出错!\r\n\r\n1, 99\r\n窗口：批量修改文件后缀\r\n未找到所指定的组件\r\n");
}

TEST(ProcessShell, AskingForADestroyedWindowIsFatal) {
  Program p;
  p.Build();
  p.port.DestroyWindow(kMainWindowId);
  EXPECT_THROW(p.shell.WindowHandle(kMainWindowId), ProcessEnded);
  EXPECT_EQ(p.port.boxText, "运行时出错!\r\n\r\n1, 0\r\n窗口：批量修改文件后缀\r\n");
}

TEST(ProcessShell, IdleWorkRunsWhenTheQueueEmptiesAndIsDroppedAtTheEnd) {
  Program p;
  p.Build();
  p.shell.PostIdleWork([&] { p.port.log.push_back("idle work"); });
  p.port.whileLooping = [&] { p.port.DestroyWindow(kMainWindowId); };
  p.shell.RunMessageLoop();
  p.shell.PostIdleWork([&] { p.port.log.push_back("late idle work"); });
  p.shell.EndProgram();
  EXPECT_EQ(std::count(p.port.log.begin(), p.port.log.end(), "idle work"), 1);
  EXPECT_EQ(std::count(p.port.log.begin(), p.port.log.end(), "late idle work"), 0);
}

}  // namespace
}  // namespace batch
