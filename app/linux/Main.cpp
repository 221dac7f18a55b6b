// The Linux program: the tool's one window on the Qt desktop.

#include <QApplication>

#include "platform/qt/QtProcessPort.h"
#include "platform/qt/QtProgram.h"
#include "shell/window/MainWindow.h"

int main(int argc, char** argv) {
  // Qt takes its own options; every other argument is ignored.
  QApplication application(argc, argv);
  QGuiApplication::setDesktopFileName("batch-suffix");
  batch::QtProcessPort platform;
  batch::ProcessShell shell(platform);
  batch::QtProgram program(shell);
  shell.StartProgram(batch::kMainWindowId);
  shell.EndProgram();
  return shell.ExitCode();
}
