#pragma once
// The real program, started up to its shown main window inside the test's
// QApplication, and the test's hands on it: its widgets, and modal boxes
// that are answered as a user would.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMessageBox>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "platform/qt/QtProcessPort.h"
#include "platform/qt/QtProgram.h"
#include "shell/process/ProcessShell.h"

namespace batch::testing {

// What a modal box showed before the test pressed its OK button.
struct SeenBox {
  std::string title, text;
  QMessageBox::Icon icon;
  int buttons;
};

// While alive, every modal message box that opens is read, handed to
// `onSeen`, and dismissed.
class BoxAnswerer {
 public:
  explicit BoxAnswerer(std::function<void(const SeenBox&)> onSeen = {});
  ~BoxAnswerer();
  std::vector<SeenBox> seen;

 private:
  std::function<void(const SeenBox&)> onSeen_;
  QObject context_;
};

class RunningProgram : public ::testing::Test {
 protected:
  RunningProgram();

  QWidget& Window();
  QLineEdit& SuffixBox();

  QtProcessPort platform_;
  ProcessShell shell_{platform_};
  QtProgram program_{shell_};
};

}  // namespace batch::testing
