// The drop target's decisions against scripted dragged data: what is tested,
// what is read, which events are raised, in which order, with which text.

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "shell/drop/DropTarget.h"
#include "tests/support/FatalTrap.h"

namespace batch {
namespace {

const char* const kKindNames[] = {"text", "html", "url", "files"};
const char* Name(DropKind kind) { return kKindNames[static_cast<int>(kind)]; }

// Everything that happens, in order: "offers text", "read files",
// "raise files:<text>".
using Log = std::vector<std::string>;

class ScriptedData final : public DraggedData {
 public:
  ScriptedData(Log& log, std::set<DropKind> offered, std::set<DropKind> delivered,
               std::vector<std::string> paths = {"C:\\a.txt"})
      : log_(log), offered_(offered), delivered_(delivered), paths_(std::move(paths)) {}

  bool Offers(DropKind kind) override {
    log_.push_back(std::string("offers ") + Name(kind));
    return offered_.count(kind) > 0;
  }
  std::optional<Text> ReadText(DropKind kind) override {
    log_.push_back(std::string("read ") + Name(kind));
    if (!delivered_.count(kind)) return std::nullopt;
    return Text::FromBytes(std::string("<") + Name(kind) + ">");
  }
  std::optional<std::vector<Text>> ReadFileList() override {
    log_.push_back("read files");
    if (!delivered_.count(DropKind::Files)) return std::nullopt;
    std::vector<Text> texts;
    for (const std::string& path : paths_) texts.push_back(Text::FromBytes(path));
    return texts;
  }

 private:
  Log& log_;
  std::set<DropKind> offered_, delivered_;
  std::vector<std::string> paths_;
};

class RecordedEvents final : public DropEvents {
 public:
  explicit RecordedEvents(Log& log) : log_(log) {}
  void Raise(DropKind kind, TextRef text) override {
    log_.push_back(std::string("raise ") + Name(kind) + ":" + std::string(text.View()));
    if (duringHandler) duringHandler(text);
  }
  std::function<void(TextRef)> duringHandler;

 private:
  Log& log_;
};

class ScriptedRegistrar final : public DropRegistrar {
 public:
  explicit ScriptedRegistrar(bool succeeds) : succeeds_(succeeds) {}
  bool Register(DropWindow window) override {
    asked.push_back(window);
    if (target != nullptr) storedWhenAsked = target->RegisteredWindow();
    return succeeds_;
  }
  std::vector<DropWindow> asked;
  const DropTarget* target = nullptr;
  DropWindow storedWhenAsked = 0;

 private:
  bool succeeds_;
};

DropTargetSettings Accepting(std::set<DropKind> kinds) {
  DropTargetSettings settings;
  for (DropKind kind : kinds) settings.accept[static_cast<int>(kind)] = true;
  return settings;
}

const std::set<DropKind> kEveryKind = {DropKind::Text, DropKind::Html, DropKind::Url, DropKind::Files};

struct Fixture {
  explicit Fixture(std::set<DropKind> switchedOn, bool registers = true)
      : events(log), registrar(registers), target(Accepting(switchedOn), events, registrar) {
    registrar.target = &target;
  }
  Log log;
  RecordedEvents events;
  ScriptedRegistrar registrar;
  DropTarget target;
};

TEST(DropTargetDragEnter, TestsSwitchedOnKindsInOrderUntilOneIsOffered) {
  const struct {
    const char* name;
    std::set<DropKind> switchedOn, offered;
    bool accepting;
    Log asked;
  } cases[] = {
      {"the tool's target, files offered", {DropKind::Files}, kEveryKind, true, {"offers files"}},
      {"the tool's target, only text offered", {DropKind::Files}, {DropKind::Text}, false, {"offers files"}},
      {"every switch, nothing offered", kEveryKind, {}, false,
       {"offers text", "offers files", "offers url", "offers html"}},
      {"every switch, html offered", kEveryKind, {DropKind::Html}, true,
       {"offers text", "offers files", "offers url", "offers html"}},
      {"every switch, url and files offered", kEveryKind, {DropKind::Url, DropKind::Files}, true,
       {"offers text", "offers files"}},
      {"nothing switched on", {}, kEveryKind, false, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f(c.switchedOn);
    ScriptedData data(f.log, c.offered, c.offered);
    DropEffects effect = kEffectCopy | kEffectMove;
    f.target.DragEnter(data, 0, effect);
    EXPECT_EQ(f.target.Accepting(), c.accepting);
    EXPECT_EQ(effect, c.accepting ? kEffectCopy : kEffectNone);
    EXPECT_EQ(f.log, c.asked);
  }
}

TEST(DropTargetDrag, SwitchesChangedByNumberCountFromTheNextDrag) {
  Fixture f({DropKind::Files});
  ScriptedData text(f.log, {DropKind::Text}, {DropKind::Text});
  DropEffects effect = kEffectCopy;
  f.target.DragEnter(text, 0, effect);
  EXPECT_FALSE(f.target.Accepting());

  f.target.Settings().SetSwitch(0, true);
  f.target.Settings().SetSwitch(3, false);
  EXPECT_FALSE(f.target.Accepting());
  effect = kEffectCopy;
  f.target.DragEnter(text, 0, effect);
  f.target.Drop(text, 0, effect);
  EXPECT_EQ(f.log.back(), "raise text:<text>");
}

TEST(DropTargetDrag, KeepsTheAnswerOfEntryUntilLeaveAndAcrossDrops) {
  Fixture f({DropKind::Files});
  ScriptedData files(f.log, {DropKind::Files}, {DropKind::Files});
  DropEffects effect = kEffectMove;
  f.target.DragEnter(files, 0, effect);

  effect = kEffectCopy | kEffectMove;
  f.target.DragOver(kKeyShift, effect);
  EXPECT_EQ(effect, kEffectMove);
  effect = kEffectMove;
  f.target.Drop(files, 0, effect);
  EXPECT_TRUE(f.target.Accepting());

  f.target.DragLeave();
  EXPECT_FALSE(f.target.Accepting());
  effect = kEffectCopy;
  f.target.DragOver(0, effect);
  EXPECT_EQ(effect, kEffectNone);
  EXPECT_EQ(f.log, (Log{"offers files", "read files", "raise files:C:\\a.txt"}));
}

TEST(DropTargetDrop, RaisesEachDeliveredKindInOrderEachFinishedBeforeTheNextRead) {
  Fixture f(kEveryKind);
  ScriptedData data(f.log, kEveryKind, {DropKind::Text, DropKind::Url, DropKind::Files},
                    {"C:\\d\\a.txt", "C:\\d\\b"});
  f.events.duringHandler = [&](TextRef) { f.log.push_back("handler done"); };
  DropEffects effect = kEffectCopy | kEffectLink;
  f.target.DragEnter(data, 0, effect);
  f.log.clear();

  effect = kEffectLink;
  f.target.Drop(data, 0, effect);
  EXPECT_EQ(effect, kEffectLink);
  EXPECT_EQ(f.log, (Log{"read text", "raise text:<text>", "handler done",
                        "read html",  // offered but not delivered: skipped silently
                        "read url", "raise url:<url>", "handler done",
                        "read files", "raise files:C:\\d\\a.txt\r\nC:\\d\\b\r\n", "handler done"}));
}

TEST(DropTargetDrop, ReadsAndRaisesNothingWhenTheRuleRefuses) {
  const struct {
    const char* name;
    std::set<DropKind> offered;
    DropKeys keys;
    DropEffects allowed;
  } cases[] = {
      {"Ctrl and Shift", {DropKind::Files}, kKeyControl | kKeyShift, kEffectCopy | kEffectMove | kEffectLink},
      {"Ctrl without copy allowed", {DropKind::Files}, kKeyControl, kEffectMove},
      {"nothing allowed", {DropKind::Files}, 0, kEffectNone},
      {"text only: not accepted", {DropKind::Text}, 0, kEffectCopy},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f({DropKind::Files});
    ScriptedData data(f.log, c.offered, c.offered);
    DropEffects effect = c.allowed;
    f.target.DragEnter(data, c.keys, effect);
    f.log.clear();
    effect = c.allowed;
    f.target.Drop(data, c.keys, effect);
    EXPECT_EQ(effect, kEffectNone);
    EXPECT_EQ(f.log, Log{});
  }
}

TEST(DropTargetDrop, RaisesGotFileWithTheEmptyTextForAnEmptyList) {
  Fixture f({DropKind::Files});
  ScriptedData data(f.log, {DropKind::Files}, {DropKind::Files}, {});
  DropEffects effect = kEffectCopy;
  f.target.DragEnter(data, 0, effect);
  f.target.Drop(data, 0, effect);
  EXPECT_EQ(f.log.back(), "raise files:");
}

TEST(DropTargetDrop, LendsTheHandlerAnExactBufferReleasedWhenItReturns) {
  Fixture f({DropKind::Files});
  ScriptedData data(f.log, {DropKind::Files}, {DropKind::Files}, {"C:\\d\\a.txt"});
  DropEffects effect = kEffectCopy;
  f.target.DragEnter(data, 0, effect);

  testing::CountingStorage storage;
  int releasesDuringHandler = -1;
  f.events.duringHandler = [&](TextRef) {
    EXPECT_EQ(storage.lastRequestBytes, 11u);  // the path's 10 bytes and the zero
    releasesDuringHandler = storage.releases;
  };
  f.target.Drop(data, 0, effect);
  EXPECT_EQ(storage.releases, storage.requests);
  EXPECT_LT(releasesDuringHandler, storage.requests);
}

TEST(DropTargetDrop, AnEventBufferRefusedIsTheFatalStorageReport) {
  Fixture f({DropKind::Files});
  ScriptedData data(f.log, {DropKind::Files}, {DropKind::Files}, {"C:\\d\\a.txt"});
  DropEffects effect = kEffectCopy;
  f.target.DragEnter(data, 0, effect);
  f.log.clear();

  testing::FatalTrap trap;
  // The path, the list text, then the event buffer: the third request fails.
  testing::CountingStorage storage(3);
  try {
    f.target.Drop(data, 0, effect);
    FAIL() << "the drop went on";
  } catch (const testing::FatalReported& report) {
    EXPECT_EQ(report.message, "分配 11 字节内存失败!");
  }
  EXPECT_EQ(f.log, Log{"read files"});
}

TEST(DropTargetRegisterDropWindow, AsksThePlatformOnceAndKeepsTheWindow) {
  for (bool platformAccepts : {true, false}) {
    SCOPED_TRACE(platformAccepts);
    Fixture f({DropKind::Files}, platformAccepts);
    EXPECT_EQ(f.target.RegisterDropWindow(0x1234), platformAccepts);
    EXPECT_EQ(f.registrar.storedWhenAsked, 0x1234u);
    EXPECT_FALSE(f.target.RegisterDropWindow(0x1234));
    EXPECT_FALSE(f.target.RegisterDropWindow(0x5678));
    EXPECT_EQ(f.registrar.asked, std::vector<DropWindow>{0x1234});
    EXPECT_EQ(f.target.RegisteredWindow(), 0x1234u);
  }
}

}  // namespace
}  // namespace batch
