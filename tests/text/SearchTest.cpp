// FindText and FindTextReverse: start positions, the empty text sought, the
// case flag and the two character rules, one table for both directions.

#include <gtest/gtest.h>

#include "text/Text.h"

namespace batch {
namespace {

struct SearchCase {
  const char* searched;
  const char* sought;
  std::optional<std::int32_t> start;
  bool ignoreCase;
  CharRule rule;
  std::int32_t forward;
  std::int32_t reverse;
};

constexpr auto kTwo = CharRule::TwoByte;
constexpr auto kPlain = CharRule::PlainBytes;
constexpr std::nullopt_t kWhole = std::nullopt;

const SearchCase kCases[] = {
    // Plain searches; matches may overlap.
    {"a\r\nb\r\nc", "\r\n", kWhole, false, kTwo, 2, 5},
    {"aaa", "aa", kWhole, false, kTwo, 1, 2},
    {"abc", "x", kWhole, false, kTwo, -1, -1},
    {"", "a", kWhole, false, kTwo, -1, -1},
    {"ab", "abc", kWhole, false, kTwo, -1, -1},
    {nullptr, "a", kWhole, false, kTwo, -1, -1},
    // The empty text sought: 1 in any non-empty area, not the start position.
    {"abc", "", kWhole, false, kTwo, 1, 1},
    {"abc", nullptr, 2, false, kTwo, 1, 1},
    {"", "", kWhole, false, kTwo, -1, -1},
    {"abc", "", 4, false, kTwo, -1, 1},
    {"abc", "", 1, false, kTwo, 1, -1},
    // Start positions, forward from byte k, reverse within the first k - 1 bytes.
    {"a.b.c", ".", 3, false, kTwo, 4, 2},
    {"a.b.c", ".", 5, false, kTwo, -1, 4},
    {"a.b.c", ".", 6, false, kTwo, -1, 4},
    {"a.b.c", ".", 0, false, kTwo, 2, -1},
    {"a.b.c", ".", -7, false, kTwo, 2, -1},
    {"a.b.c", ".", 4, false, kTwo, 4, 2},
    {"a.b.c", ".", 2, false, kTwo, 2, -1},
    {"a.b.c", ".", 99, false, kTwo, -1, 4},
    {"aaa", "aa", 3, false, kTwo, -1, 1},
    // The case flag folds ASCII letters only.
    {"ABC", "b", kWhole, false, kTwo, -1, -1},
    {"ABC", "b", kWhole, true, kTwo, 2, 2},
    {"xAbAB", "ab", kWhole, true, kTwo, 2, 4},
    {"\xC4", "\xE4", kWhole, true, kPlain, -1, -1},
    // Two-byte rule: a match never begins on a second byte.
    {"\xD5\x5C" "a\\b", "\\", kWhole, false, kTwo, 4, 4},
    {"\xD5\x5C", "\\", kWhole, false, kTwo, -1, -1},
    {"\xD5\x5C\\", "\\", 2, false, kTwo, 2, -1},
    {"x\x80.t", ".", kWhole, false, kTwo, -1, -1},
    {"\xD5\x5C\xD5\x5C", "\x5C\xD5", kWhole, false, kTwo, -1, -1},
    // ...but may end in the middle of one.
    {"a\xD5\x5C", "a\xD5", kWhole, false, kTwo, 1, 1},
    // A first byte right before the terminator ends the scan after comparing there.
    {"a.b\x81", ".", kWhole, false, kTwo, 2, 2},
    {"\x81", "\x81", kWhole, false, kTwo, 1, 1},
    {"ab\x81", "\x81", kWhole, false, kTwo, 3, 3},
    // Plain bytes: every byte is a character, so a three-byte UTF-8
    // character does not swallow the slash after it.
    {"/d/x.\xE4\xB8\xAD/name", "/", kWhole, false, kPlain, 1, 9},
    {"/d/x.\xE4\xB8\xAD/name", "/", kWhole, false, kTwo, 1, 3},
    {"\xD5\x5C" "a\\b", "\\", kWhole, false, kPlain, 2, 4},
    {"\xE4\xB8\xAD\r\nb", "\r\n", kWhole, false, kPlain, 4, 4},
};

TEST(Search, FollowsStartCaseAndCharacterRules) {
  for (const SearchCase& c : kCases) {
    SCOPED_TRACE(::testing::Message()
                 << "in \"" << TextRef(c.searched).View() << "\" for \"" << TextRef(c.sought).View()
                 << "\" start " << (c.start ? std::to_string(*c.start) : "none")
                 << (c.ignoreCase ? " ignoring case" : "")
                 << (c.rule == kTwo ? " two-byte" : " plain"));
    EXPECT_EQ(FindText(c.searched, c.sought, c.start, c.ignoreCase, c.rule), c.forward);
    EXPECT_EQ(FindTextReverse(c.searched, c.sought, c.start, c.ignoreCase, c.rule), c.reverse);
  }
}

TEST(Search, DefaultsToTheTwoByteRuleAndCaseSensitivity) {
  EXPECT_EQ(FindText("\xD5\x5C" "a\\b", "\\"), 4);
  EXPECT_EQ(FindTextReverse("ABC", "b"), -1);
}

TEST(Search, ForwardSearchStopsAtItsMatchWithoutReadingFurther) {
  // Only the bytes up to the match are read: the text after it may be
  // arbitrarily long without costing anything. The text is not terminated
  // after the buffer on purpose; ASan would flag a read past the match.
  char bytes[4] = {'a', '\r', '\n', 'b'};
  char sought[] = "\r\n";
  EXPECT_EQ(FindText(TextRef(bytes), sought), 2);
}

}  // namespace
}  // namespace batch
