// A fatal failure shows its box, then ends the process with exit code 255
// (-1), whatever else is going on.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "shell/process/FatalReport.h"
#include "tests/qt/RunningProgram.h"

namespace batch::testing {
namespace {

using FatalReport = RunningProgram;

// The box as the test read it goes to stderr, for the parent to match.
void Print(const SeenBox& box) {
  std::fprintf(stderr, "[%s|%d|%d]%s\n", box.title.c_str(), static_cast<int>(box.icon), box.buttons,
               box.text.c_str());
}

TEST_F(FatalReport, ShowsTheStopBoxThenEndsWithMinusOne) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        BoxAnswerer boxes(Print);
        ReportFatalError("分配 64 字节内存失败!", 0, 0, 0);
      },
      ::testing::ExitedWithCode(255),
      ::testing::HasSubstr("[错误|3|1]运行时出错!\n\n错误信息：分配 64 字节内存失败!\n\n0, 0\n"));
}

}  // namespace
}  // namespace batch::testing
