#include "platform/qt/QtProcessPort.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDir>
#include <cstdio>
#include <cstdlib>

#include "platform/qt/QtMainWindow.h"
#include "platform/qt/QtMessageBox.h"
#include "shell/window/EmbeddedWindowBlock.h"

namespace batch {

void QtProcessPort::EnterProgramFolder() { QDir::setCurrent(QCoreApplication::applicationDirPath()); }

std::span<const std::uint8_t> QtProcessPort::DescriptionBlock() { return EmbeddedWindowBlock(); }

std::unique_ptr<NativeWindow> QtProcessPort::CreateProgramWindow(const WindowDescription& window,
                                                          WindowObserver& observer) {
  return std::make_unique<QtMainWindow>(window, observer);
}

std::int32_t QtProcessPort::RunLoop(const std::function<void()>& idle) {
  // The dispatcher is about to block exactly when the queue is empty.
  const QMetaObject::Connection connection =
      QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, idle);
  const int code = QApplication::exec();
  QObject::disconnect(connection);
  return code;
}

void QtProcessPort::PostQuit(std::int32_t code) { QCoreApplication::exit(code); }

void QtProcessPort::ShowFatalBox(TextRef text, TextRef caption) {
  ShowMessageBox(QMessageBox::Critical, text, caption);
}

void QtProcessPort::EndProcess(std::int32_t code) {
  // At once, as the platform's own process end: no static clean-up runs
  // while Qt's objects are still alive on the stack of main().
  std::fflush(nullptr);
  std::_Exit(code);
}

}  // namespace batch
