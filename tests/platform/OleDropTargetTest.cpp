// The OLE drop target under Wine: the file list read from a real HDROP block,
// the COM identity and lifetime, and the notifications with real data objects.

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/OleDropTarget.h"
#include "tests/support/OleDragSource.h"

namespace batch {
namespace {

using testing::NewDropFiles;

struct EventLog {
  std::vector<std::string> raised;
  bool eventsGone = false;
};

class LoggedEvents final : public DropEvents {
 public:
  explicit LoggedEvents(EventLog& log) : log_(log) {}
  ~LoggedEvents() override { log_.eventsGone = true; }
  void Raise(DropKind kind, TextRef text) override {
    log_.raised.push_back(std::to_string(static_cast<int>(kind)) + ":" + std::string(text.View()));
  }

 private:
  EventLog& log_;
};

DropTargetSettings FilesOnly() {
  DropTargetSettings settings;
  settings.SetSwitch(static_cast<int>(DropKind::Files), true);
  return settings;
}

OleDropTarget* NewTarget(EventLog& log, HWND host = nullptr) {
  return new OleDropTarget(FilesOnly(), std::make_unique<LoggedEvents>(log), host);
}

class OleTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr))); }
  void TearDown() override { OleUninitialize(); }
};

TEST(ReadDroppedPaths, ReadsEveryPathWholeInListOrder) {
  const std::string longPath = "C:\\" + std::string(150, 'a') + "\\" + std::string(150, 'b') + ".txt";
  const std::vector<std::vector<std::string>> lists = {
      {"C:\\d\\a.txt"},
      {longPath},
      {"C:\\z\\c", "C:\\\xD5\x5C\\a.txt", "C:\\a"},
  };
  for (const auto& list : lists) {
    SCOPED_TRACE(list.size());
    HGLOBAL block = NewDropFiles(list);
    std::vector<std::string> read;
    for (const Text& path : ReadDroppedPaths(static_cast<HDROP>(block))) read.emplace_back(path.View());
    GlobalFree(block);
    EXPECT_EQ(read, list);
  }
  EXPECT_GT(longPath.size(), 260u);
}

TEST(OleDropTargetIdentity, AnswersOnlyForItsTwoInterfaces) {
  EventLog log;
  OleDropTarget* target = NewTarget(log);
  const struct {
    const char* name;
    const IID& iid;
    HRESULT answer;
  } cases[] = {
      {"IUnknown", IID_IUnknown, S_OK},
      {"IDropTarget", IID_IDropTarget, S_OK},
      {"IDataObject", IID_IDataObject, E_NOINTERFACE},
      {"IDropSource", IID_IDropSource, E_NOINTERFACE},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    void* object = reinterpret_cast<void*>(0x1);
    EXPECT_EQ(target->QueryInterface(c.iid, &object), c.answer);
    if (c.answer == S_OK) {
      EXPECT_EQ(object, static_cast<IDropTarget*>(target));
      EXPECT_EQ(target->Release(), 1u);
    } else {
      EXPECT_EQ(object, nullptr);
    }
  }
  EXPECT_EQ(target->Release(), 0u);
  EXPECT_TRUE(log.eventsGone);
}

TEST_F(OleTest, RegistrationHoldsTheTargetUntilRevokedAndLeavesNothingBehind) {
  HWND window = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  const auto handle = reinterpret_cast<DropWindow>(window);
  EventLog log;
  OleDropTarget* target = NewTarget(log, window);
  EventLog otherLog;
  OleDropTarget* other = NewTarget(otherLog);

  EXPECT_TRUE(target->Logic().RegisterDropWindow(handle));
  EXPECT_FALSE(target->Logic().RegisterDropWindow(handle));
  EXPECT_EQ(RegisterDragDrop(window, other), DRAGDROP_E_ALREADYREGISTERED);

  // The platform's reference keeps the target alive after its creator's.
  target->AddRef();
  target->Release();
  target->Revoke();
  EXPECT_FALSE(log.eventsGone);
  EXPECT_EQ(RegisterDragDrop(window, other), S_OK);  // nothing of the first remains
  RevokeDragDrop(window);
  target->Release();
  EXPECT_TRUE(log.eventsGone);

  other->Release();
  DestroyWindow(window);
}

TEST_F(OleTest, NotificationsChooseTheEffectAndEveryDropIsRefused) {
  const std::vector<std::string> two = {"C:\\d\\a.txt", "C:\\d\\b"};
  enum Source { kFileList, kFileListAsStream, kTextOnly };
  const struct {
    const char* name;
    Source source;
    std::vector<std::string> files;
    DWORD keys, allowed, effect;
    std::vector<std::string> raised;
  } cases[] = {
      {"one file: its bare path", kFileList, {"C:\\d\\a.txt"}, 0, DROPEFFECT_COPY, DROPEFFECT_COPY,
       {"3:C:\\d\\a.txt"}},
      {"files, no key, copy allowed", kFileList, two, 0, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_COPY,
       {"3:C:\\d\\a.txt\r\nC:\\d\\b\r\n"}},
      {"files, Shift, move allowed", kFileList, two, MK_SHIFT, DROPEFFECT_MOVE, DROPEFFECT_MOVE,
       {"3:C:\\d\\a.txt\r\nC:\\d\\b\r\n"}},
      {"files, Ctrl and Shift", kFileList, two, MK_CONTROL | MK_SHIFT, DROPEFFECT_LINK, DROPEFFECT_NONE, {}},
      {"a file list delivered as a stream: not read", kFileListAsStream, two, 0, DROPEFFECT_COPY,
       DROPEFFECT_COPY, {}},
      {"text only", kTextOnly, {}, 0, DROPEFFECT_COPY, DROPEFFECT_NONE, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EventLog log;
    OleDropTarget* target = NewTarget(log);
    IDataObject* data = c.source == kFileList           ? testing::NewFileListData(c.files)
                        : c.source == kFileListAsStream ? testing::NewFileListStream(c.files)
                                                        : testing::NewTextData("C:\\d\\a.txt");
    DWORD effect = c.allowed;
    EXPECT_EQ(target->DragEnter(data, c.keys, POINTL{}, &effect), S_OK);
    EXPECT_EQ(effect, c.effect);
    effect = c.allowed;
    EXPECT_EQ(target->DragOver(c.keys, POINTL{}, &effect), S_OK);
    EXPECT_EQ(effect, c.effect);
    effect = c.allowed;
    EXPECT_EQ(target->Drop(data, c.keys, POINTL{}, &effect), E_FAIL);
    EXPECT_EQ(effect, c.effect);
    EXPECT_EQ(log.raised, c.raised);
    data->Release();
    target->Release();
  }
}

}  // namespace
}  // namespace batch
