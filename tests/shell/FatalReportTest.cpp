// The fatal box's text, byte for byte.

#include <gtest/gtest.h>

#include "shell/process/FatalReport.h"
#include "shell/window/MainWindow.h"

namespace batch {
namespace {

TEST(FatalText, IsBuiltLineByLine) {
  const WindowDescription windows[] = {MainWindowDescription()};
  const struct {
    const char* what;
    const char* message;
    std::int32_t code, window, component;
    const char* expected;
  } cases[] = {
      {"storage refused", "分配 64 字节内存失败!", 0, 0, 0,
       "运行时出错!\r\n\r\n错误信息：分配 64 字节内存失败!\r\n\r\n0, 0\r\n"},
      {"description unreadable", "载入窗口模板数据段出错!", 0, 0, 0,
       "运行时出错!\r\n\r\n错误信息：载入窗口模板数据段出错!\r\n\r\n0, 0\r\n"},
      {"start window failed", "载入启动窗口失败", 0, kMainWindowId, 0,
       "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n\r\n1, 0\r\n窗口：批量修改文件后缀\r\n"},
      {"unknown window", "载入启动窗口失败", 0, 77, 0,
       "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n\r\n77, 0\r\n未找到所指定的窗口\r\n"},
      {"component named", "", 0, kMainWindowId, kSuffixBoxId,
       "运行时出错!\r\n\r\n1, 4\r\n窗口：批量修改文件后缀\r\n组件：编辑框1\r\n"},
      {"unknown component", "", 0, kMainWindowId, 99,
       "运行时出错!\r\n\r\n1, 99\r\n窗口：批量修改文件后缀\r\n未找到所指定的组件\r\n"},
      {"code, negative ids", "x", -5, -1, -2,
       "运行时出错!\r\n\r\n错误代码：-5\r\n\r\n错误信息：x\r\n\r\n-1, -2\r\n未找到所指定的窗口\r\n"},
      {"nothing at all", "", 0, 0, 0, "运行时出错!\r\n\r\n0, 0\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_STREQ(BuildFatalText(c.message, c.code, c.window, c.component, windows).bytes,
                 c.expected);
  }
}

TEST(FatalText, AnOverlongMessageIsCutNotOverrun) {
  const std::string message(5000, 'm');
  const FatalText text = BuildFatalText(message.c_str(), 0, 0, 0, {});
  EXPECT_EQ(std::strlen(text.bytes), sizeof text.bytes - 1);
}

}  // namespace
}  // namespace batch
