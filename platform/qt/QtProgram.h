#pragma once
// The tool on the Qt desktop: the Qt controls and the tool's handlers, set up
// on a process shell, with the Linux files and the Qt completion box.

#include "platform/posix/PosixFileSystem.h"
#include "platform/qt/QtMessageBox.h"
#include "shell/process/ProcessShell.h"

namespace batch {

class QtProgram {
 public:
  explicit QtProgram(ProcessShell& shell);
  QtProgram(const QtProgram&) = delete;
  QtProgram& operator=(const QtProgram&) = delete;

 private:
  PosixFileSystem files_;
  QtCompletionNotice notice_;
};

}  // namespace batch
