#include "shell/process/FatalReport.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace batch {
namespace {

class Appender {
 public:
  explicit Appender(FatalText& text) : text_(text) { text_.bytes[0] = '\0'; }

  template <class... Args>
  void Add(const char* format, Args... args) {
    const std::size_t room = sizeof text_.bytes - used_;
    const int written = std::snprintf(text_.bytes + used_, room, format, args...);
    if (written > 0) used_ += std::min(static_cast<std::size_t>(written), room - 1);
  }

 private:
  FatalText& text_;
  std::size_t used_ = 0;
};

const WindowDescription* FindWindow(std::span<const WindowDescription> windows, ComponentId id) {
  for (const WindowDescription& window : windows) {
    if (window.Id() == id) return &window;
  }
  return nullptr;
}

void AddNames(Appender& out, ComponentId window, ComponentId component,
              std::span<const WindowDescription> windows) {
  const WindowDescription* found = FindWindow(windows, window);
  if (found == nullptr) {
    out.Add("\r\n未找到所指定的窗口");
    return;
  }
  // The window's entry has no name of its own: its caption names it.
  out.Add("\r\n窗口：%s", found->Settings().caption.c_str());
  if (component == 0) return;
  const ComponentEntry* entry = found->Find(component);
  if (entry != nullptr) {
    out.Add("\r\n组件：%s", entry->name.c_str());
  } else {
    out.Add("\r\n未找到所指定的组件");
  }
}

}  // namespace

FatalText BuildFatalText(TextRef message, std::int32_t code, ComponentId window,
                         ComponentId component, std::span<const WindowDescription> windows) {
  FatalText text;
  Appender out(text);
  out.Add("运行时出错!\r\n");
  if (code != 0) out.Add("\r\n错误代码：%d\r\n", static_cast<int>(code));
  if (!message.IsEmpty()) out.Add("\r\n错误信息：%s\r\n", message.Bytes());
  out.Add("\r\n%d, %d", static_cast<int>(window), static_cast<int>(component));
  if (window != 0) AddNames(out, window, component, windows);
  out.Add("\r\n");
  return text;
}

}  // namespace batch
