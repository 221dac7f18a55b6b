// The Linux adapter on real files: any entry counts as taken, and no move
// ever replaces an entry, through renameat2 or through its fallback.

#include <gtest/gtest.h>

#include <functional>
#include <unistd.h>

#include "platform/posix/PosixFileSystem.h"
#include "tests/support/TempFolder.h"

namespace batch {
namespace {

using testing::TempFolder;

TEST(PosixFileExists, AnyEntryOfThatExactNameCounts) {
  TempFolder folder;
  folder.MakeFile("file");
  folder.MakeFolder("folder");
  ASSERT_EQ(symlink("nowhere", folder.Path("dangling").c_str()), 0);
  folder.MakeFile("a*b?");

  PosixFileSystem files;
  const struct {
    const char* name;
    bool exists;
  } cases[] = {
      {"file", true},  {"folder", true}, {"dangling", true}, {"a*b?", true},
      {"fil*", false}, {"f?le", false},  {"missing", false}, {"file/", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(files.FileExists(folder.Path(c.name).c_str()), c.exists);
  }
  EXPECT_FALSE(files.FileExists(""));
}

using Move = std::function<bool(const char*, const char*)>;

struct MoveCase {
  const char* name;
  std::vector<std::string> before;  // "name=content", "folder/", "link->target"
  const char* from;
  const char* to;
  bool moved;
  std::vector<std::string> after;
};

const MoveCase kMoves[] = {
    {"file to a free name", {"a=A"}, "a", "b", true, {"b=A"}},
    {"folder to a free name", {"d/", "d/in=I"}, "d", "e", true, {"e/", "e/in=I"}},
    {"file onto a file", {"a=A", "b=B"}, "a", "b", false, {"a=A", "b=B"}},
    {"folder onto an empty folder", {"d/", "d/in=I", "e/"}, "d", "e", false, {"d/", "d/in=I", "e/"}},
    {"file onto a dangling link", {"a=A", "b->nowhere"}, "a", "b", false, {"a=A", "b->nowhere"}},
    {"missing source", {"b=B"}, "a", "c", false, {"b=B"}},
};

void Lay(const TempFolder& folder, const std::vector<std::string>& entries) {
  for (const std::string& entry : entries) {
    if (const auto arrow = entry.find("->"); arrow != std::string::npos) {
      ASSERT_EQ(symlink(entry.substr(arrow + 2).c_str(), folder.Path(entry.substr(0, arrow)).c_str()), 0);
    } else if (entry.back() == '/') {
      folder.MakeFolder(entry.substr(0, entry.size() - 1));
    } else {
      const auto equals = entry.find('=');
      folder.MakeFile(entry.substr(0, equals), entry.substr(equals + 1));
    }
  }
}

void ExpectMoves(const Move& move) {
  for (const MoveCase& c : kMoves) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    Lay(folder, c.before);
    EXPECT_EQ(move(folder.Path(c.from).c_str(), folder.Path(c.to).c_str()), c.moved);
    EXPECT_EQ(folder.Tree(), c.after);
  }
}

TEST(PosixRenameFile, NeverReplacesAnExistingEntry) {
  PosixFileSystem files;
  ExpectMoves([&](const char* from, const char* to) { return files.RenameFile(from, to); });
}

TEST(PosixRenameFile, TheFallbackNeverReplacesEither) {
  ExpectMoves(&RenameWithoutReplaceFallback);
}

TEST(PosixRenameFile, ATargetCreatedAfterTheTestSurvives) {
  TempFolder folder;
  folder.MakeFile("a.txt", "mine");
  PosixFileSystem files;
  const std::string target = folder.Path("a.png");
  ASSERT_FALSE(files.FileExists(target.c_str()));
  folder.MakeFile("a.png", "someone else's");  // appears between test and move
  EXPECT_FALSE(files.RenameFile(folder.Path("a.txt").c_str(), target.c_str()));
  EXPECT_EQ(folder.Read("a.png"), "someone else's");
  EXPECT_EQ(folder.Read("a.txt"), "mine");
}

}  // namespace
}  // namespace batch
