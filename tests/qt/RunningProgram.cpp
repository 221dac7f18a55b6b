#include "tests/qt/RunningProgram.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QTimer>

#include "shell/window/MainWindow.h"

namespace batch::testing {

BoxAnswerer::BoxAnswerer(std::function<void(const SeenBox&)> onSeen) : onSeen_(std::move(onSeen)) {
  // Polls from the box's own modal loop, which keeps dispatching timers.
  auto* timer = new QTimer(&context_);
  QObject::connect(timer, &QTimer::timeout, &context_, [this] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    seen.push_back({box->windowTitle().toStdString(), box->text().toStdString(), box->icon(),
                    static_cast<int>(box->buttons().size())});
    if (onSeen_) onSeen_(seen.back());
    if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
      QTest::mouseClick(ok, Qt::LeftButton);
    } else {
      box->done(0);
    }
  });
  timer->start(10);
}

BoxAnswerer::~BoxAnswerer() = default;

RunningProgram::RunningProgram() {
  shell_.InitRuntime();
  shell_.LoadStartWindow(kMainWindowId);
  EXPECT_TRUE(QTest::qWaitForWindowExposed(&Window()));
}

QWidget& RunningProgram::Window() {
  return *reinterpret_cast<QWidget*>(shell_.WindowHandle(kMainWindowId));
}

QLineEdit& RunningProgram::SuffixBox() { return *Window().findChild<QLineEdit*>(); }

}  // namespace batch::testing
