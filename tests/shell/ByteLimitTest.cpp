// What part of a pasted or typed text still fits into an edit box's limit.

#include <gtest/gtest.h>

#include "shell/window/ByteLimit.h"

namespace batch {
namespace {

TEST(ByteLimit, TakesWholeCharactersOnly) {
  const struct {
    const char* what;
    const char* text;
    std::int32_t room;
    CharRule rule;
    std::int32_t fit;
  } cases[] = {
      {"21 letters into 16", "abcdefghijklmnopqrstu", 16, CharRule::TwoByte, 16},
      {"all fits", "png", 16, CharRule::TwoByte, 3},
      {"no room", "png", 0, CharRule::TwoByte, 0},
      {"negative room", "png", -3, CharRule::TwoByte, 0},
      {"two-byte pairs, even room", "\xBA\xF3\xBA\xF3\xBA\xF3", 4, CharRule::TwoByte, 4},
      {"two-byte pair split by the room", "a\xBA\xF3", 2, CharRule::TwoByte, 1},
      {"lone lead byte at the end", "ab\xBA", 16, CharRule::TwoByte, 2},
      {"UTF-8 three-byte characters", "\xE5\x90\x8E\xE7\xBC\x80", 5, CharRule::PlainBytes, 3},
      {"UTF-8 cut sequence", "a\xE5\x90", 16, CharRule::PlainBytes, 1},
      {"empty", "", 16, CharRule::TwoByte, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(BytesThatFit(c.text, c.room, c.rule), c.fit);
  }
}

}  // namespace
}  // namespace batch
