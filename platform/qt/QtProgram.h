#pragma once
// The tool on the Qt desktop: the Qt controls and the two handlers that the
// main window's description binds, set up on a process shell.

#include "platform/posix/PosixFileSystem.h"
#include "platform/qt/QtMessageBox.h"
#include "rename/RenameDroppedFiles.h"
#include "shell/process/ProcessShell.h"

namespace batch {

class QtDropTargetControl;

class QtProgram {
 public:
  explicit QtProgram(ProcessShell& shell);
  QtProgram(const QtProgram&) = delete;
  QtProgram& operator=(const QtProgram&) = delete;

 private:
  // The suffix is what 编辑框1 holds at the moment of the drop.
  class SuffixBox final : public SuffixSource {
   public:
    explicit SuffixBox(ProcessShell& shell) : shell_(shell) {}
    Text ReadSuffix() override;

   private:
    ProcessShell& shell_;
  };

  ProcessShell& shell_;
  PosixFileSystem files_;
  SuffixBox suffix_;
  QtCompletionNotice notice_;
  QtDropTargetControl* dropTarget_ = nullptr;
};

}  // namespace batch
