#pragma once
// The program's modal message boxes on the Qt desktop.

#include <QMessageBox>

#include "rename/RenameDroppedFiles.h"
#include "text/Text.h"

namespace batch {

// A modal box with one OK button, owned by no window, blocking the whole
// program until it is dismissed. The texts are in the locale's encoding.
void ShowMessageBox(QMessageBox::Icon icon, TextRef text, TextRef caption);

// The notice at the end of a drop: no icon.
class QtCompletionNotice final : public CompletionNotice {
 public:
  void Show(TextRef text, TextRef caption) override { ShowMessageBox(QMessageBox::NoIcon, text, caption); }
};

}  // namespace batch
