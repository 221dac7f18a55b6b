// Storage: every Text comes from one place, and a refused request ends in
// the fatal report with the byte count, never in a partial value.

#include <gtest/gtest.h>

#include <functional>

#include "tests/support/FatalTrap.h"
#include "text/PathRule.h"
#include "text/Text.h"

namespace batch {
namespace {

using testing::CountingStorage;
using testing::FatalReported;
using testing::FatalTrap;

TEST(Storage, EachTextTakesOneBlockOfLengthPlusOne) {
  CountingStorage storage;
  {
    const Text joined = ConcatText("C:\\d\\a.", "png");
    EXPECT_EQ(storage.requests, 1);
    EXPECT_EQ(storage.lastRequestBytes, 11u);
    const Text empty = ConcatText("", "");
    EXPECT_EQ(storage.lastRequestBytes, 1u);
  }
  EXPECT_EQ(storage.releases, 2);
}

TEST(Storage, CopyingTheNullTextTakesNoStorage) {
  CountingStorage storage;
  const Text copy = CopyText(Text());
  EXPECT_EQ(storage.requests, 0);
  EXPECT_EQ(copy.View(), "");
}

struct RefusalCase {
  const char* operation;
  std::function<Text()> run;
  int refuse;
  const char* message;
};

TEST(Storage, ARefusedRequestIsReportedWithItsByteCount) {
  const RefusalCase cases[] = {
      {"ConcatText", [] { return ConcatText("C:\\d\\a.", "png"); }, 1, "分配 11 字节内存失败!"},
      {"TextLeft", [] { return TextLeft("abcdef", 3); }, 1, "分配 4 字节内存失败!"},
      {"TextRight", [] { return TextRight("abcdef", 0); }, 1, "分配 1 字节内存失败!"},
      {"CopyText", [] { return CopyText("abc"); }, 1, "分配 4 字节内存失败!"},
      // SuffixStem builds one text; its searches take none.
      {"SuffixStem", [] { return SuffixStem("C:\\d\\name"); }, 1, "分配 11 字节内存失败!"},
  };
  for (const RefusalCase& c : cases) {
    SCOPED_TRACE(c.operation);
    FatalTrap trap;
    CountingStorage storage(c.refuse);
    try {
      Text partial = c.run();
      ADD_FAILURE() << "returned \"" << partial.View() << "\" after a refusal";
    } catch (const FatalReported& report) {
      EXPECT_EQ(report.message, c.message);
      EXPECT_EQ(report.code, 0);
      EXPECT_EQ(report.window, 0);
      EXPECT_EQ(report.component, 0);
    }
  }
}

TEST(Storage, ALengthBeyondThirtyTwoBitsIsRefused) {
  FatalTrap trap;
  try {
    ClaimTextLength(std::int64_t{1} << 31);
    ADD_FAILURE() << "a 2 GiB text was granted";
  } catch (const FatalReported& report) {
    EXPECT_EQ(report.message, "分配 2147483649 字节内存失败!");
  }
}

TEST(StorageDeathTest, AReportThatReturnsStillEndsTheProcess) {
  EXPECT_DEATH(
      {
        InstallFatalReporter([](TextRef, std::int32_t, std::int32_t, std::int32_t) {});
        CountingStorage storage(1);
        (void)CopyText("abc");
      },
      "");
}

}  // namespace
}  // namespace batch
