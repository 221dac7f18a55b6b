// The text that carries a dropped file list.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/drop/FileListText.h"
#include "tests/support/FatalTrap.h"

namespace batch {
namespace {

std::string ListOf(const std::vector<std::string>& paths) {
  std::vector<Text> texts;
  for (const std::string& path : paths) texts.push_back(Text::FromBytes(path));
  return std::string(FileListText(texts).View());
}

TEST(FileListText, OnePathAloneElseEveryPathFollowedByCrLf) {
  const struct {
    const char* name;
    std::vector<std::string> paths;
    std::string text;
  } cases[] = {
      {"no path", {}, ""},
      {"one path, no line break", {"C:\\d\\a.txt"}, "C:\\d\\a.txt"},
      {"two paths", {"C:\\d\\a.txt", "C:\\d\\b.doc"}, "C:\\d\\a.txt\r\nC:\\d\\b.doc\r\n"},
      {"three paths in list order", {"C:\\z", "C:\\a", "C:\\m"}, "C:\\z\r\nC:\\a\r\nC:\\m\r\n"},
      {"double-byte names kept byte for byte", {"C:\\\xD5\x5C\\a", "C:\\\xB0\xA1"},
       "C:\\\xD5\x5C\\a\r\nC:\\\xB0\xA1\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ListOf(c.paths), c.text);
  }
}

TEST(FileListText, KeepsLongPathsWhole) {
  const std::string longPath = "C:\\" + std::string(70000, 'x') + ".txt";
  EXPECT_EQ(ListOf({longPath}), longPath);
  EXPECT_EQ(ListOf({longPath, "C:\\b"}), longPath + "\r\nC:\\b\r\n");
}

TEST(FileListText, TakesOneBlockOfExactlyItsLengthPlusOne) {
  std::vector<Text> paths;
  for (const char* path : {"C:\\a", "C:\\bb", "C:\\ccc"}) paths.push_back(Text::FromBytes(path));
  testing::CountingStorage storage;
  const Text list = FileListText(paths);
  EXPECT_EQ(storage.requests, 1);
  EXPECT_EQ(storage.lastRequestBytes, 4u + 5u + 6u + 3 * 2 + 1);
}

}  // namespace
}  // namespace batch
