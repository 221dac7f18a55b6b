// Measuring, cutting, joining and copying count plain bytes.

#include <gtest/gtest.h>

#include "text/Text.h"

namespace batch {
namespace {

TEST(TextLength, CountsBytesAndTreatsNullAsEmpty) {
  EXPECT_EQ(TextLength(nullptr), 0);
  EXPECT_EQ(TextLength(""), 0);
  EXPECT_EQ(TextLength(Text()), 0);
  EXPECT_EQ(TextLength("abc"), 3);
  EXPECT_EQ(TextLength("\xD5\x5C" "a"), 3);
}

struct CutCase {
  const char* text;
  std::int32_t count;
  const char* left;
  const char* right;
};

TEST(TextLeftRight, ClampCountsAndCutPlainBytes) {
  const CutCase cases[] = {
      {"abc", 0, "", ""},        {"abc", -3, "", ""},       {"abc", 2, "ab", "bc"},
      {"abc", 5, "abc", "abc"},  {"", 4, "", ""},           {nullptr, 1, "", ""},
      // A two-byte character may be cut in half.
      {"\xD5\x5C" "a", 1, "\xD5", "a"},
      {"a\xD5\x5C", 1, "a", "\x5C"},
  };
  for (const CutCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << '"' << TextRef(c.text).View() << "\" n=" << c.count);
    EXPECT_EQ(TextLeft(c.text, c.count).View(), c.left);
    EXPECT_EQ(TextRight(c.text, c.count).View(), c.right);
  }
}

TEST(ConcatText, JoinsInOrderAndTakesNullAsEmpty) {
  EXPECT_EQ(ConcatText("", "").View(), "");
  EXPECT_EQ(ConcatText(nullptr, ".").View(), ".");
  EXPECT_EQ(ConcatText("C:\\d\\a.", "png").View(), "C:\\d\\a.png");
  EXPECT_EQ(ConcatText({"a", nullptr, "b", "", "cd"}).View(), "abcd");
}

TEST(CopyText, GivesAnIndependentValue) {
  Text original = Text::FromBytes("C:\\d\\a.txt");
  Text copy = CopyText(original);
  EXPECT_NE(copy.Bytes(), original.Bytes());
  original = Text();
  EXPECT_EQ(copy.View(), "C:\\d\\a.txt");
  EXPECT_EQ(CopyText(nullptr).View(), "");
}

TEST(TextValues, ArgumentsAreNeverChanged) {
  Text path = Text::FromBytes("C:\\d\\a.b");
  (void)TextLeft(path, 2);
  (void)TextRight(path, 2);
  (void)ConcatText(path, path);
  (void)CopyText(path);
  EXPECT_EQ(path.View(), "C:\\d\\a.b");
}

TEST(TextValues, StoringComputesTheNewValueBeforeReleasingTheOld) {
  Text stem = Text::FromBytes("a.");
  stem = ConcatText(stem, ".");
  stem = ConcatText(stem, stem);
  EXPECT_EQ(stem.View(), "a..a..");
}

TEST(TextFromBytes, StopsAtAZeroByte) {
  EXPECT_EQ(Text::FromBytes(std::string_view("ab\0cd", 5)).View(), "ab");
}

}  // namespace
}  // namespace batch
