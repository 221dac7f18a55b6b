// The stem is what a new suffix is appended to; a separator or dot that is
// really part of a character must never be taken for one.

#include <gtest/gtest.h>

#include "text/PathRule.h"

namespace batch {
namespace {

struct StemCase {
  const char* path;
  const char* stem;
};

void ExpectStems(PathRule rule, std::initializer_list<StemCase> cases) {
  for (const StemCase& c : cases) {
    SCOPED_TRACE(c.path);
    const Text stem = SuffixStem(c.path, rule);
    EXPECT_EQ(stem.View(), c.stem);
  }
}

TEST(SuffixStem, WindowsPathsWithTheTwoByteRule) {
  ExpectStems(kWindowsPaths, {
      {"C:\\d\\name.txt", "C:\\d\\name."},
      {"C:\\d\\a.b.c", "C:\\d\\a.b."},
      {"C:\\d\\name", "C:\\d\\name."},
      {"C:\\d.e\\name", "C:\\d.e\\name."},
      {"C:\\d\\name.", "C:\\d\\name."},
      {"C:\\d.e\\", "C:\\d.e\\."},
      {"name.txt", "name."},
      {".txt", "."},
      {"C:\\d\\.cfg", "C:\\d\\."},
      {"", "."},
      {nullptr, "."},
      // 0xD5 0x5C is one character, not a backslash.
      {"C:\\a.b\xD5\x5C" "c", "C:\\a."},
      {"C:\\d\\x.y\xD5\x5C" "z", "C:\\d\\x."},
      {"C:\\\xD5\x5C.d\\f", "C:\\\xD5\x5C.d\\f."},
      // A byte taken as a first byte hides the dot after it.
      {"C:\\d\\x\x80.txt", "C:\\d\\x\x80.txt."},
  });
}

TEST(SuffixStem, PosixPathsWithPlainBytes) {
  ExpectStems(kPosixPaths, {
      {"/d/name.txt", "/d/name."},
      {"/home/u/a.tar.gz", "/home/u/a.tar."},
      {"/d.e/name", "/d.e/name."},
      {"/d/.bashrc", "/d/."},
      {"/d/a\\b.c", "/d/a\\b."},
      {"/d/a.b\\c", "/d/a."},
      // A dot or slash after a three-byte UTF-8 character is still one.
      {"/d/x.\xE4\xB8\xAD/name", "/d/x.\xE4\xB8\xAD/name."},
      {"/d/\xE4\xB8\xAD.txt", "/d/\xE4\xB8\xAD."},
      {"/d/bad\xFF.txt", "/d/bad\xFF."},
  });
}

TEST(SuffixStem, LeavesThePathUnchanged) {
  const Text path = Text::FromBytes("C:\\d\\a.txt");
  const Text stem = SuffixStem(path);
  EXPECT_EQ(path.View(), "C:\\d\\a.txt");
  EXPECT_EQ(stem.View(), "C:\\d\\a.");
}

}  // namespace
}  // namespace batch
