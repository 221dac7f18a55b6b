// The whole drop on real files in a temporary folder, with the file system
// of the platform the tests run on (Linux, or Windows under Wine).

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/NativeFileSystem.h"
#include "rename/RenameDroppedFiles.h"
#include "tests/support/TempFolder.h"

namespace batch {
namespace {

using testing::TempFolder;

class TypedSuffix final : public SuffixSource {
 public:
  explicit TypedSuffix(std::string suffix) : suffix_(std::move(suffix)) {}
  Text ReadSuffix() override { return Text::FromBytes(suffix_); }

 private:
  std::string suffix_;
};

class Notices final : public CompletionNotice {
 public:
  void Show(TextRef text, TextRef) override { texts.emplace_back(text.View()); }
  std::vector<std::string> texts;
};

// Entries ending in '/' are folders, others "name=content" files.
void Lay(const TempFolder& folder, const std::vector<std::string>& entries) {
  for (const std::string& entry : entries) {
    if (entry.back() == '/') {
      folder.MakeFolder(entry.substr(0, entry.size() - 1));
    } else {
      const auto equals = entry.find('=');
      folder.MakeFile(entry.substr(0, equals), entry.substr(equals + 1));
    }
  }
}

// The FileListText of these dropped names, as a drop of them would give.
std::string ListOf(const TempFolder& folder, const std::vector<std::string>& dropped) {
  if (dropped.size() == 1) return folder.Path(dropped[0]);
  std::string list;
  for (const std::string& name : dropped) list += folder.Path(name) + "\r\n";
  return list;
}

std::vector<std::string> Drop(const TempFolder& folder, const std::vector<std::string>& dropped,
                              const std::string& suffix) {
  NativeFileSystem files;
  TypedSuffix typed(suffix);
  Notices notices;
  RenameDroppedFiles(ListOf(folder, dropped).c_str(), {files, typed, notices, kNativePaths});
  return notices.texts;
}

struct DiskCase {
  const char* name;
  std::vector<std::string> before;
  std::vector<std::string> dropped;
  const char* suffix;
  std::vector<std::string> after;
};

const std::vector<DiskCase> kCases = {
    {"three paths with a folder among them", {"a.txt=A", "b=B", "photos.2019/", "photos.2019/in.jpg=I"},
     {"a.txt", "b", "photos.2019"}, "png",
     {"a.png=A", "b.png=B", "photos.png/", "photos.png/in.jpg=I"}},
    {"dot only in a folder name", {"d.old/", "d.old/readme=R"}, {"d.old/readme"}, "png",
     {"d.old/", "d.old/readme.png=R"}},
    {"collision chain keeps every file", {"a.txt=T", "a.png=P", "a..png=PP"}, {"a.txt"}, "png",
     {"a...png=T", "a..png=PP", "a.png=P"}},
    {"two dropped files with one stem", {"a.txt=T", "a.doc=D"}, {"a.txt", "a.doc"}, "png",
     {"a..png=D", "a.png=T"}},
    {"already carrying the suffix", {"a.png=P"}, {"a.png"}, "png", {"a.png=P"}},
    {"suffix typed with its dot", {"a.txt=T"}, {"a.txt"}, ".png", {"a..png=T"}},
#ifdef _WIN32
    {"a second byte 0x5C is not a separator", {"\xD5\x5C/", "\xD5\x5C/a.b\xD5\x5C" "c=C"},
     {"\xD5\x5C/a.b\xD5\x5C" "c"}, "png", {"\xD5\x5C/", "\xD5\x5C/a.png=C"}},
#else
    {"a UTF-8 folder name after a dot", {"x.\xE4\xB8\xAD/", "x.\xE4\xB8\xAD/name=N"},
     {"x.\xE4\xB8\xAD/name"}, "png", {"x.\xE4\xB8\xAD/", "x.\xE4\xB8\xAD/name.png=N"}},
    {"names that are not UTF-8 keep their bytes", {"bad\xFF.txt=B"}, {"bad\xFF.txt"}, "png",
     {"bad\xFF.png=B"}},
    {"wildcards are plain characters", {"a.txt=T", "a.p=P"}, {"a.txt"}, "?", {"a.?=T", "a.p=P"}},
#endif
};

TEST(RenameOnDisk, RenamesRealFilesAndFolders) {
  for (const DiskCase& c : kCases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    Lay(folder, c.before);
    EXPECT_EQ(Drop(folder, c.dropped, c.suffix), std::vector<std::string>{"改名完毕！"});
    std::vector<std::string> after = c.after;
    std::sort(after.begin(), after.end());
    EXPECT_EQ(folder.Tree(), after);
  }
}

TEST(RenameOnDisk, HostileSuffixesNeverLoseOrOverwriteAFile) {
  for (const char* suffix : {"", "/", "\\", "*", "?", ":", ".png", "..", "../x", "a/b", " ", "."}) {
    SCOPED_TRACE(::testing::Message() << "suffix \"" << suffix << '"');
    TempFolder folder;
    Lay(folder, {"a.txt=A", "a.png=P", "b=B", "sub/", "sub/c.txt=C"});
    Drop(folder, {"a.txt", "b", "sub/c.txt"}, suffix);

    std::vector<std::string> contents;
    for (const std::string& entry : folder.Tree())
      if (entry.back() != '/') contents.push_back(entry.substr(entry.find('=') + 1));
    std::sort(contents.begin(), contents.end());
    EXPECT_EQ(contents, (std::vector<std::string>{"A", "B", "C", "P"}));
    EXPECT_EQ(folder.Read("a.png"), "P");
  }
}

TEST(RenameOnDisk, FailedMovesAreCountedInTheNotice) {
  TempFolder folder;
  Lay(folder, {"a.txt=A"});
  EXPECT_EQ(Drop(folder, {"a.txt", "vanished.txt", "also-gone"}, "png"),
            std::vector<std::string>{"改名完毕！\r\n其中 2 个未能改名。"});
  EXPECT_EQ(folder.Tree(), std::vector<std::string>{"a.png=A"});
}

}  // namespace
}  // namespace batch
