#pragma once
// The text of the fatal error box, and the report itself.

#include <cstdint>
#include <span>

#include "shell/window/WindowDescription.h"
#include "text/Text.h"

namespace batch {

inline constexpr const char* kFatalCaption = "错误";
inline constexpr const char* kDescriptionUnreadable = "载入窗口模板数据段出错!";
inline constexpr const char* kStartWindowFailed = "载入启动窗口失败";

// Room for the box text; our messages and names are far shorter. The text is
// built here rather than from Text storage, which may be what just failed.
struct FatalText {
  char bytes[1024];
};

// The box text: a header line, the code and the message when given, the
// location line with both identifiers and, when a window is named, lines
// naming that window and component.
FatalText BuildFatalText(TextRef message, std::int32_t code, ComponentId window,
                         ComponentId component, std::span<const WindowDescription> windows);

// Shows the fatal box and ends the process with exit code -1; never returns.
// Installed as the text storage's fatal reporter by the process shell.
[[noreturn]] void ReportFatalError(TextRef message, std::int32_t code, ComponentId window,
                                   ComponentId component);

}  // namespace batch
