// Drags of real files onto the real window: the effect shown while dragging,
// the renames on disk, the completion box, and the answer to the source.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>

#include "tests/qt/RunningProgram.h"
#include "tests/support/TempFolder.h"

namespace batch::testing {
namespace {

// A file URI of a path, every byte but the unreserved ones percent-encoded,
// as file managers write them.
std::string FileUri(std::string_view path) {
  std::string uri = "file://";
  for (const unsigned char byte : path) {
    if (std::isalnum(byte) || std::strchr("/-._~", byte) != nullptr) {
      uri += static_cast<char>(byte);
    } else {
      char escaped[4];
      std::snprintf(escaped, sizeof escaped, "%%%02X", byte);
      uri += escaped;
    }
  }
  return uri;
}

std::string UriList(std::initializer_list<std::string> uris) {
  std::string list;
  for (const std::string& uri : uris) list += uri + "\r\n";
  return list;
}

class DropOnWindow : public RunningProgram {
 protected:
  // The answer of the drag: the action shown and whether it was taken.
  struct Answer {
    Qt::DropAction action;
    bool accepted;
  };

  Answer Enter(const QMimeData& data, Qt::DropActions allowed, Qt::KeyboardModifiers keys) {
    QDragEnterEvent event(Centre(), allowed, &data, Qt::LeftButton, keys);
    QApplication::sendEvent(&Window(), &event);
    return {event.dropAction(), event.isAccepted()};
  }
  Answer Move(const QMimeData& data, Qt::DropActions allowed, Qt::KeyboardModifiers keys) {
    QDragMoveEvent event(Centre(), allowed, &data, Qt::LeftButton, keys);
    QApplication::sendEvent(&Window(), &event);
    return {event.dropAction(), event.isAccepted()};
  }
  Answer Drop(const QMimeData& data, Qt::DropActions allowed, Qt::KeyboardModifiers keys) {
    QDropEvent event(Centre(), allowed, &data, Qt::LeftButton, keys);
    QApplication::sendEvent(&Window(), &event);
    return {event.dropAction(), event.isAccepted()};
  }
  // A whole drag, entering, moving and dropping with the same keys.
  Answer Drag(const std::string& uriList, Qt::KeyboardModifiers keys = Qt::NoModifier,
              Qt::DropActions allowed = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction) {
    QMimeData data;
    data.setData("text/uri-list", QByteArray::fromStdString(uriList));
    Enter(data, allowed, keys);
    Move(data, allowed, keys);
    return Drop(data, allowed, keys);
  }
  void TypeSuffix(const char* suffix) { QTest::keyClicks(&SuffixBox(), suffix); }

  QPoint Centre() { return Window().rect().center(); }

  TempFolder folder_;
  BoxAnswerer boxes_;
};

TEST_F(DropOnWindow, KeysAndAllowedActionsChooseTheShownAction) {
  constexpr Qt::DropActions kAll = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
  struct Case {
    const char* what;
    Qt::DropActions allowed;
    Qt::KeyboardModifiers keys;
    Qt::DropAction shown;
  } const cases[] = {
      {"no key, all allowed", kAll, Qt::NoModifier, Qt::CopyAction},
      {"no key, move or link", Qt::MoveAction | Qt::LinkAction, Qt::NoModifier, Qt::MoveAction},
      {"no key, link only", Qt::LinkAction, Qt::NoModifier, Qt::LinkAction},
      {"no key, nothing allowed", Qt::IgnoreAction, Qt::NoModifier, Qt::IgnoreAction},
      {"Ctrl, copy allowed", Qt::CopyAction, Qt::ControlModifier, Qt::CopyAction},
      {"Ctrl, copy not allowed", Qt::MoveAction | Qt::LinkAction, Qt::ControlModifier, Qt::IgnoreAction},
      {"Shift, move allowed", kAll, Qt::ShiftModifier, Qt::MoveAction},
      {"Shift, move not allowed", Qt::CopyAction, Qt::ShiftModifier, Qt::IgnoreAction},
      {"Ctrl+Shift, link allowed", kAll, Qt::ControlModifier | Qt::ShiftModifier, Qt::IgnoreAction},
      {"Alt does not count", kAll, Qt::AltModifier, Qt::CopyAction},
  };
  QMimeData files;
  files.setData("text/uri-list", QByteArray::fromStdString(UriList({FileUri(folder_.Path("a.txt"))})));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Enter(files, c.allowed, c.keys).action, c.shown);
    const Answer moving = Move(files, c.allowed, c.keys);
    EXPECT_EQ(moving.action, c.shown);
    EXPECT_EQ(moving.accepted, c.shown != Qt::IgnoreAction);
  }

  SCOPED_TRACE("plain text, no file list");
  QMimeData text;
  text.setText("file:///etc/passwd");
  const Answer entering = Enter(text, kAll, Qt::NoModifier);
  EXPECT_FALSE(entering.accepted);
  EXPECT_EQ(entering.action, Qt::IgnoreAction);
  EXPECT_FALSE(Move(text, kAll, Qt::NoModifier).accepted);
}

TEST_F(DropOnWindow, RenamesEveryDroppedPathShowsTheNoticeAndRefusesTheDrop) {
  folder_.MakeFile("a.txt", "A");
  folder_.MakeFile("b.doc", "B");
  folder_.MakeFile("readme", "R");
  TypeSuffix("png");

  const Answer answer = Drag(UriList({FileUri(folder_.Path("a.txt")), FileUri(folder_.Path("b.doc")),
                                      FileUri(folder_.Path("readme"))}),
                             Qt::ShiftModifier);

  EXPECT_EQ(folder_.Tree(), (std::vector<std::string>{"a.png=A", "b.png=B", "readme.png=R"}));
  ASSERT_EQ(boxes_.seen.size(), 1u);
  EXPECT_EQ(boxes_.seen[0].title, "信息：");
  EXPECT_EQ(boxes_.seen[0].text, "改名完毕！");
  EXPECT_EQ(boxes_.seen[0].icon, QMessageBox::NoIcon);
  EXPECT_EQ(boxes_.seen[0].buttons, 1);
  // Never taken, so that a move's source deletes nothing.
  EXPECT_FALSE(answer.accepted);
  EXPECT_EQ(answer.action, Qt::IgnoreAction);
}

TEST_F(DropOnWindow, TakesTheNamesOfLinuxAsTheyAreAndLeavesOutWhatIsUnsafe) {
  folder_.MakeFile("bad\xFF.txt", "1");
  folder_.MakeFile("a b%20c.txt", "2");
  folder_.MakeFile("line\nbreak.txt", "3");
  folder_.MakeFile("car\rriage.txt", "4");
  folder_.MakeFile("remote.txt", "5");
  folder_.MakeFolder("photos.2019");
  folder_.MakeFile("x.txt", "6");
  folder_.MakeFile("x.jpg", "7");
  folder_.MakeFile("x..jpg", "8");
  TypeSuffix("jpg");

  Drag(UriList({"# a comment line", FileUri(folder_.Path("bad\xFF.txt")),
                FileUri(folder_.Path("a b%20c.txt")), FileUri(folder_.Path("line\nbreak.txt")),
                FileUri(folder_.Path("car\rriage.txt")),
                "file://elsewhere" + FileUri(folder_.Path("remote.txt")).substr(7),
                "https://example.invalid/x.txt", FileUri(folder_.Path("photos.2019")) + "/",
                FileUri(folder_.Path("x.txt"))}));

  EXPECT_EQ(folder_.Tree(), (std::vector<std::string>{
                                "a b%20c.jpg=2", "bad\xFF.jpg=1", "car\rriage.txt=4",
                                "line\nbreak.txt=3", "photos.jpg/", "remote.txt=5", "x...jpg=6",
                                "x..jpg=8", "x.jpg=7"}));
  EXPECT_EQ(boxes_.seen.size(), 1u);
}

TEST_F(DropOnWindow, ADropThatTheKeysRefuseRenamesNothing) {
  folder_.MakeFile("a.txt", "A");
  TypeSuffix("png");
  Drag(UriList({FileUri(folder_.Path("a.txt"))}), Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(folder_.Tree(), std::vector<std::string>{"a.txt=A"});
  EXPECT_TRUE(boxes_.seen.empty());
}

TEST_F(DropOnWindow, EachDropReadsTheSuffixAgain) {
  folder_.MakeFile("a.txt", "A");
  TypeSuffix("png");
  Drag(UriList({FileUri(folder_.Path("a.txt"))}));
  SuffixBox().clear();
  TypeSuffix("gif");
  Drag(UriList({FileUri(folder_.Path("a.png"))}));
  EXPECT_EQ(folder_.Tree(), std::vector<std::string>{"a.gif=A"});
  EXPECT_EQ(boxes_.seen.size(), 2u);
}

}  // namespace
}  // namespace batch::testing
