// The Windows adapter on real files under Wine, in code page 936.

#include <gtest/gtest.h>

#include <windows.h>

#include "platform/win32/Win32FileSystem.h"
#include "tests/support/TempFolder.h"

namespace batch {
namespace {

using testing::TempFolder;

TEST(Win32Process, RunsInCodePage936) { EXPECT_EQ(GetACP(), 936u); }

TEST(Win32FileExists, IsADirectorySearchWithPatterns) {
  TempFolder folder;
  folder.MakeFile("a.png");
  folder.MakeFolder("photos");
  folder.MakeFile("\xD5\x5C.txt");  // 誠.txt

  Win32FileSystem files;
  const struct {
    const char* name;
    bool exists;
  } cases[] = {
      {"a.png", true},   {"A.PNG", true},  {"photos", true},    {"a.*", true},
      {"?.png", true},   {"b.png", false}, {"photos\\", false}, {"\xD5\x5C.txt", true},
      {"\xD5\x5C", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(files.FileExists(folder.Path(c.name).c_str()), c.exists);
  }
}

TEST(Win32RenameFile, MovesFilesAndFoldersButNeverOntoAnEntry) {
  TempFolder folder;
  folder.MakeFile("a.txt", "A");
  folder.MakeFile("b.txt", "B");
  folder.MakeFolder("d");
  folder.MakeFolder("e");
  Win32FileSystem files;

  EXPECT_FALSE(files.RenameFile(folder.Path("a.txt").c_str(), folder.Path("b.txt").c_str()));
  EXPECT_FALSE(files.RenameFile(folder.Path("d").c_str(), folder.Path("e").c_str()));
  EXPECT_FALSE(files.RenameFile(folder.Path("gone").c_str(), folder.Path("x").c_str()));
  EXPECT_TRUE(files.RenameFile(folder.Path("a.txt").c_str(), folder.Path("\xD5\x5C.png").c_str()));
  EXPECT_TRUE(files.RenameFile(folder.Path("d").c_str(), folder.Path("d.png").c_str()));
  EXPECT_EQ(folder.Tree(), (std::vector<std::string>{"b.txt=B", "d.png/", "e/", "\xD5\x5C.png=A"}));
}

}  // namespace
}  // namespace batch
