#pragma once
// The completion notice as a task-modal message box owned by no window: the
// drop that raised it is answered only once the user has dismissed it.

#include "rename/RenameDroppedFiles.h"

namespace batch {

class MessageBoxNotice final : public CompletionNotice {
 public:
  void Show(TextRef text, TextRef caption) override;
};

}  // namespace batch
