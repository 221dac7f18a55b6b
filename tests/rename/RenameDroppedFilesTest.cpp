// The walk through a dropped list and the decisions per path, against an
// in-memory file system that records every question and move.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "rename/RenameDroppedFiles.h"
#include "tests/support/FatalTrap.h"

namespace batch {
namespace {

class FakeFileSystem final : public FileSystem {
 public:
  explicit FakeFileSystem(std::set<std::string> entries, std::set<std::string> locked = {})
      : entries_(std::move(entries)), locked_(std::move(locked)) {}

  bool FileExists(TextRef path) override {
    ++existenceTests;
    return entries_.count(std::string(path.View())) > 0;
  }
  bool RenameFile(TextRef from, TextRef to) override {
    const std::string source(from.View()), target(to.View());
    moves.push_back(source + " -> " + target);
    if (locked_.count(source) || !entries_.count(source) || entries_.count(target)) return false;
    entries_.erase(source);
    entries_.insert(target);
    return true;
  }

  const std::set<std::string>& Entries() const { return entries_; }
  std::vector<std::string> moves;
  int existenceTests = 0;

 private:
  std::set<std::string> entries_;
  std::set<std::string> locked_;
};

class FixedSuffix final : public SuffixSource {
 public:
  explicit FixedSuffix(const char* suffix) : suffix_(suffix) {}
  Text ReadSuffix() override {
    ++reads;
    return Text::FromBytes(suffix_);
  }
  int reads = 0;

 private:
  const char* suffix_;
};

class RecordedNotice final : public CompletionNotice {
 public:
  void Show(TextRef text, TextRef caption) override {
    shown.push_back(std::string(caption.View()) + "|" + std::string(text.View()));
  }
  std::vector<std::string> shown;
};

struct DropCase {
  const char* name;
  PathRule rule;
  std::set<std::string> before;
  const char* received;
  const char* suffix;
  std::vector<std::string> moves;
  std::set<std::string> after;
};

const DropCase kDrops[] = {
    {"lone path", kWindowsPaths, {"C:\\d\\a.txt"}, "C:\\d\\a.txt", "jpg",
     {"C:\\d\\a.txt -> C:\\d\\a.jpg"}, {"C:\\d\\a.jpg"}},
    {"two paths, empty remainder skipped", kWindowsPaths, {"C:\\d\\a.txt", "C:\\d\\b.doc"},
     "C:\\d\\a.txt\r\nC:\\d\\b.doc\r\n", "png",
     {"C:\\d\\a.txt -> C:\\d\\a.png", "C:\\d\\b.doc -> C:\\d\\b.png"},
     {"C:\\d\\a.png", "C:\\d\\b.png"}},
    {"remainder of five bytes or more is a path", kWindowsPaths, {"C:\\a.txt", "C:\\bb"},
     "C:\\a.txt\r\nC:\\bb", "png", {"C:\\a.txt -> C:\\a.png", "C:\\bb -> C:\\bb.png"},
     {"C:\\a.png", "C:\\bb.png"}},
    {"remainder of four bytes is not", kWindowsPaths, {"C:\\a.txt", "b.tx"},
     "C:\\a.txt\r\nb.tx", "png", {"C:\\a.txt -> C:\\a.png"}, {"C:\\a.png", "b.tx"}},
    {"a short lone path is still a path", kWindowsPaths, {"ab"}, "ab", "png",
     {"ab -> ab.png"}, {"ab.png"}},
    {"empty lines are not paths", kWindowsPaths, {"C:\\d\\a.txt"},
     "\r\n\r\nC:\\d\\a.txt\r\n", "png", {"C:\\d\\a.txt -> C:\\d\\a.png"}, {"C:\\d\\a.png"}},
    {"no suffix gets a dot", kWindowsPaths, {"C:\\d\\readme"}, "C:\\d\\readme", "png",
     {"C:\\d\\readme -> C:\\d\\readme.png"}, {"C:\\d\\readme.png"}},
    {"dot only in a folder name", kWindowsPaths, {"C:\\d.old\\readme"}, "C:\\d.old\\readme", "png",
     {"C:\\d.old\\readme -> C:\\d.old\\readme.png"}, {"C:\\d.old\\readme.png"}},
    {"collision chain", kWindowsPaths, {"C:\\d\\a.txt", "C:\\d\\a.png", "C:\\d\\a..png"},
     "C:\\d\\a.txt", "png", {"C:\\d\\a.txt -> C:\\d\\a...png"},
     {"C:\\d\\a.png", "C:\\d\\a..png", "C:\\d\\a...png"}},
    {"same stems in one drop", kWindowsPaths, {"C:\\d\\a.txt", "C:\\d\\a.doc"},
     "C:\\d\\a.txt\r\nC:\\d\\a.doc\r\n", "png",
     {"C:\\d\\a.txt -> C:\\d\\a.png", "C:\\d\\a.doc -> C:\\d\\a..png"},
     {"C:\\d\\a.png", "C:\\d\\a..png"}},
    {"already carrying the suffix: left alone", kWindowsPaths, {"C:\\d\\a.png"}, "C:\\d\\a.png",
     "png", {}, {"C:\\d\\a.png"}},
    {"case-only change on Windows", kWindowsPaths, {"C:\\d\\a.PNG"}, "C:\\d\\a.PNG", "png",
     {"C:\\d\\a.PNG -> C:\\d\\a.png"}, {"C:\\d\\a.png"}},
    {"case differs on Linux: an ordinary collision", kPosixPaths, {"/d/a.PNG", "/d/a.png"},
     "/d/a.PNG", "png", {"/d/a.PNG -> /d/a..png"}, {"/d/a.png", "/d/a..png"}},
    {"empty suffix leaves the stem", kWindowsPaths, {"C:\\d\\a.txt"}, "C:\\d\\a.txt", "",
     {"C:\\d\\a.txt -> C:\\d\\a."}, {"C:\\d\\a."}},
    {"suffix typed with its dot", kWindowsPaths, {"C:\\d\\a.txt"}, "C:\\d\\a.txt", ".png",
     {"C:\\d\\a.txt -> C:\\d\\a..png"}, {"C:\\d\\a..png"}},
    {"a folder is renamed like a file", kWindowsPaths, {"C:\\d\\photos.2019"},
     "C:\\d\\photos.2019", "png", {"C:\\d\\photos.2019 -> C:\\d\\photos.png"},
     {"C:\\d\\photos.png"}},
    {"empty drop: nothing tested or moved", kWindowsPaths, {}, "", "png", {}, {}},
    {"0x5C as a second byte is no separator", kWindowsPaths, {"C:\\a.b\xD5\x5C" "c"},
     "C:\\a.b\xD5\x5C" "c", "png", {"C:\\a.b\xD5\x5C" "c -> C:\\a.png"}, {"C:\\a.png"}},
    {"UTF-8 names stay in their folder", kPosixPaths, {"/d/x.\xE4\xB8\xAD/name", "/d/\xE4\xB8\xAD"},
     "/d/x.\xE4\xB8\xAD/name\r\n/d/\xE4\xB8\xAD\r\n", "png",
     {"/d/x.\xE4\xB8\xAD/name -> /d/x.\xE4\xB8\xAD/name.png", "/d/\xE4\xB8\xAD -> /d/\xE4\xB8\xAD.png"},
     {"/d/x.\xE4\xB8\xAD/name.png", "/d/\xE4\xB8\xAD.png"}},
};

TEST(RenameDroppedFiles, RenamesEveryListedPathInOrder) {
  for (const DropCase& c : kDrops) {
    SCOPED_TRACE(c.name);
    FakeFileSystem files(c.before);
    FixedSuffix suffix(c.suffix);
    RecordedNotice notice;
    RenameDroppedFiles(c.received, {files, suffix, notice, c.rule});
    EXPECT_EQ(files.moves, c.moves);
    EXPECT_EQ(files.Entries(), c.after);
    EXPECT_EQ(suffix.reads, 1);
    EXPECT_EQ(notice.shown, std::vector<std::string>{"信息：|改名完毕！"});
  }
}

TEST(RenameDroppedFiles, EmptyPathsAreNeitherTestedNorMoved) {
  FakeFileSystem files({});
  FixedSuffix suffix("png");
  RecordedNotice notice;
  RenameDroppedFiles("\r\n\r\n", {files, suffix, notice, kWindowsPaths});
  EXPECT_EQ(files.existenceTests, 0);
  EXPECT_TRUE(files.moves.empty());
}

TEST(RenameOne, ACaseOnlyChangeOnWindowsIsMovedWithoutACollisionTest) {
  // Windows finds a.PNG itself when asked for a.png; testing would add dots.
  FakeFileSystem files({"C:\\d\\\xD5\x5C" "A.PNG"});
  EXPECT_EQ(RenameOne("C:\\d\\\xD5\x5C" "A.PNG", "png", files, kWindowsPaths), RenameOutcome::Renamed);
  EXPECT_EQ(files.existenceTests, 0);
  // A second byte that looks like a letter is part of a character, not a letter.
  FakeFileSystem other({"C:\\d\\x.\x81" "A"});
  EXPECT_EQ(RenameOne("C:\\d\\x.\x81" "A", "\x81" "a", other, kWindowsPaths), RenameOutcome::Renamed);
  EXPECT_EQ(other.existenceTests, 1);
}

TEST(RenameDroppedFiles, CountsFailedMovesInTheNoticeAndGoesOn) {
  FakeFileSystem files({"C:\\d\\a.txt", "C:\\d\\c.txt", "C:\\d\\ok.png"}, {"C:\\d\\a.txt"});
  FixedSuffix suffix("png");
  RecordedNotice notice;
  RenameDroppedFiles("C:\\d\\a.txt\r\nC:\\d\\gone.txt\r\nC:\\d\\ok.png\r\nC:\\d\\c.txt\r\n",
                     {files, suffix, notice, kWindowsPaths});
  // ok.png already carries the suffix: not a failure.
  EXPECT_EQ(files.Entries(),
            (std::set<std::string>{"C:\\d\\a.txt", "C:\\d\\c.png", "C:\\d\\ok.png"}));
  EXPECT_EQ(notice.shown, std::vector<std::string>{"信息：|改名完毕！\r\n其中 2 个未能改名。"});
}

TEST(RenameDroppedFiles, TheReceivedTextIsOnlyRead) {
  FakeFileSystem files({"C:\\d\\a.txt"});
  FixedSuffix suffix("png");
  RecordedNotice notice;
  const Text received = Text::FromBytes("C:\\d\\a.txt\r\n");
  RenameDroppedFiles(received, {files, suffix, notice, kWindowsPaths});
  EXPECT_EQ(received.View(), "C:\\d\\a.txt\r\n");
}

TEST(RenameDroppedFiles, ARefusedStorageRequestStopsTheDropWithoutNotice) {
  using testing::CountingStorage;
  using testing::FatalReported;
  testing::FatalTrap trap;
  FakeFileSystem files({"C:\\d\\a.txt", "C:\\d\\b.txt"});
  FixedSuffix suffix("png");
  RecordedNotice notice;
  // Requests: list copy, suffix, then the first path, its stem and target,
  // and the second path: refused.
  CountingStorage storage(6);
  try {
    RenameDroppedFiles("C:\\d\\a.txt\r\nC:\\d\\b.txt\r\n", {files, suffix, notice, kWindowsPaths});
    ADD_FAILURE() << "the drop went on after a refusal";
  } catch (const FatalReported& report) {
    EXPECT_EQ(report.message, "分配 11 字节内存失败!");
  }
  EXPECT_EQ(files.moves, std::vector<std::string>{"C:\\d\\a.txt -> C:\\d\\a.png"});
  EXPECT_TRUE(notice.shown.empty());
}

TEST(CompletionText, NamesTheFailuresOnlyWhenThereAreAny) {
  EXPECT_EQ(CompletionText(0).View(), "改名完毕！");
  EXPECT_EQ(CompletionText(1).View(), "改名完毕！\r\n其中 1 个未能改名。");
  EXPECT_EQ(CompletionText(200).View(), "改名完毕！\r\n其中 200 个未能改名。");
}

}  // namespace
}  // namespace batch
