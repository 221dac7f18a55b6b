// The whole Windows tool as a user meets it, under Wine: batch-suffix.exe
// runs, the suffix is typed into its edit box, real files are dragged onto
// its window by an OLE drag source of our own, and the message box and the
// files on disk are checked.

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/OleDragSource.h"
#include "tests/support/RunningTool.h"
#include "tests/support/TempFolder.h"

namespace batch {
namespace {

using testing::DragOutcome;
using testing::RunningTool;
using testing::TempFolder;

constexpr const char* kNoticeCaption = "信息：";
constexpr const char* kDone = "改名完毕！";
constexpr const char* kSeal = "\xD5\x5C";  // 誠: its second byte is a backslash
constexpr DWORD kCopy = DROPEFFECT_COPY, kMove = DROPEFFECT_MOVE, kLink = DROPEFFECT_LINK;

struct Keys {
  bool control = false, shift = false;
};

struct DropSeen {
  DragOutcome drag;
  std::optional<std::string> notice;  // the completion box's text, if one came
};

class DropOntoTool : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { tool = new RunningTool(testing::ProgramPath(BATCH_SUFFIX_EXE)); }
  static void TearDownTestSuite() {
    EXPECT_EQ(tool->Close(), std::optional<DWORD>(0));
    delete tool;
    tool = nullptr;
  }

  // Drags the data from a thread of its own, as another program would, while
  // this thread answers the completion box the way a user does.
  static DropSeen Drag(IDataObject* data, DWORD allowed, Keys keys) {
    std::atomic<bool> done = false;
    DropSeen seen{};
    const POINT over = tool->ClientPoint(340, 40);
    std::thread source([&] {
      OleInitialize(nullptr);
      seen.drag = testing::DragAndDrop(data, over, allowed, keys.control, keys.shift);
      OleUninitialize();
      done = true;
    });
    for (int waited = 0; !done && waited < 15000; waited += 50) {
      if (tool->BoxShown(kNoticeCaption)) {
        seen.notice = tool->WaitForBox(kNoticeCaption);
        tool->DismissBox(kNoticeCaption);
        break;
      }
      Sleep(50);
    }
    source.join();
    data->Release();
    return seen;
  }

  static DropSeen DropFiles(const TempFolder& folder, const std::vector<std::string>& dropped,
                            DWORD allowed = kCopy, Keys keys = {}) {
    std::vector<std::string> paths;
    for (const std::string& name : dropped) paths.push_back(folder.Path(name));
    return Drag(testing::NewFileListData(paths), allowed, keys);
  }

  static RunningTool* tool;
};

RunningTool* DropOntoTool::tool = nullptr;

struct DropCase {
  const char* name;
  std::vector<std::string> folders, files;  // made before the drop, files with their name as content
  std::vector<std::string> dropped;
  std::string suffix;
  DWORD allowed;
  Keys keys;
  DWORD effect;  // the effect the tool chose; none means nothing may happen
  std::vector<std::string> tree;  // the folder afterwards
};

TEST_F(DropOntoTool, RenamesWhatIsDroppedAsTheKeysAndSourceAllow) {
  const std::string seal = kSeal;
  const DropCase cases[] = {
      {"one file, no key, copy allowed", {}, {"a.txt"}, {"a.txt"}, "png", kCopy | kMove, {}, kCopy,
       {"a.png=a.txt"}},
      {"three paths with a folder among them", {"d.x"}, {"b.txt", "c"}, {"b.txt", "d.x", "c"}, "png",
       kCopy, {}, kCopy, {"b.png=b.txt", "c.png=c", "d.png/"}},
      {"a dot only in a folder name", {"v.1"}, {"v.1/readme"}, {"v.1/readme"}, "md", kCopy, {}, kCopy,
       {"v.1/", "v.1/readme.md=v.1/readme"}},
      {"the collision chain", {}, {"a.png", "a..png", "a.txt"}, {"a.txt"}, "png", kCopy, {}, kCopy,
       {"a...png=a.txt", "a..png=a..png", "a.png=a.png"}},
      {"two files with one stem, in list order", {}, {"x.doc", "x.txt"}, {"x.txt", "x.doc"}, "png",
       kCopy, {}, kCopy, {"x..png=x.doc", "x.png=x.txt"}},
      {"already has the suffix: left alone", {}, {"k.png", "m.txt"}, {"k.png", "m.txt"}, "png", kCopy,
       {}, kCopy, {"k.png=k.png", "m.png=m.txt"}},
      {"a folder whose name ends in 0x5C", {seal}, {seal + "/f.txt"}, {seal + "/f.txt"}, "png", kCopy,
       {}, kCopy, {seal + "/", seal + "/f.png=" + seal + "/f.txt"}},
      {"Shift with move allowed", {}, {"s.txt"}, {"s.txt"}, "png", kCopy | kMove, {false, true}, kMove,
       {"s.png=s.txt"}},
      {"link only, no key", {}, {"l.txt"}, {"l.txt"}, "png", kLink, {}, kLink, {"l.png=l.txt"}},
      {"Ctrl without copy allowed", {}, {"n.txt"}, {"n.txt"}, "png", kMove | kLink, {true, false},
       DROPEFFECT_NONE, {"n.txt=n.txt"}},
      {"Ctrl and Shift", {}, {"n.txt"}, {"n.txt"}, "png", kCopy | kMove | kLink, {true, true},
       DROPEFFECT_NONE, {"n.txt=n.txt"}},
      {"an empty edit box", {}, {"e.txt"}, {"e.txt"}, "", kCopy, {}, kCopy, {"e=e.txt"}},
  };
  for (const DropCase& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    for (const std::string& name : c.folders) folder.MakeFolder(name);
    for (const std::string& name : c.files) folder.MakeFile(name, name);
    tool->TypeIntoEditBox(c.suffix);

    const DropSeen seen = DropFiles(folder, c.dropped, c.allowed, c.keys);
    EXPECT_EQ(seen.drag.effect, c.effect);
    if (c.effect != DROPEFFECT_NONE) {
      // Refused even though the renames ran: no source deletes what it moved.
      EXPECT_EQ(seen.drag.answer, E_FAIL);
      EXPECT_EQ(seen.notice, std::optional<std::string>(kDone));
    } else {
      EXPECT_EQ(seen.notice, std::nullopt);
    }
    EXPECT_EQ(folder.Tree(), c.tree);
  }
}

TEST_F(DropOntoTool, TakesNothingFromTextOnlyData) {
  TempFolder folder;
  folder.MakeFile("t.txt", "t");
  tool->TypeIntoEditBox("png");
  const DropSeen seen = Drag(testing::NewTextData(folder.Path("t.txt")), kCopy | kMove, {});
  EXPECT_EQ(seen.drag.effect, DROPEFFECT_NONE);
  EXPECT_EQ(seen.notice, std::nullopt);
  EXPECT_EQ(folder.Tree(), std::vector<std::string>{"t.txt=t"});
}

TEST_F(DropOntoTool, ReadsTheEditBoxAfreshAtEveryDrop) {
  TempFolder folder;
  folder.MakeFile("a.txt", "a");
  folder.MakeFile("b.txt", "b");
  tool->TypeIntoEditBox("png");
  EXPECT_EQ(DropFiles(folder, {"a.txt"}).notice, std::optional<std::string>(kDone));
  tool->TypeIntoEditBox("jpg");
  EXPECT_EQ(tool->EditBoxText(), "jpg");
  EXPECT_EQ(DropFiles(folder, {"b.txt"}).notice, std::optional<std::string>(kDone));
  EXPECT_EQ(folder.Tree(), (std::vector<std::string>{"a.png=a", "b.jpg=b"}));
}

}  // namespace
}  // namespace batch
