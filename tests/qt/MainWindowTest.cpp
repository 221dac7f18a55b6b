// The main window as the user meets it: place, size, controls, keys, focus.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "shell/window/MainWindow.h"
#include "tests/qt/RunningProgram.h"

namespace batch::testing {
namespace {

using MainWindow = RunningProgram;

TEST_F(MainWindow, HasTheFixedClientAreaOfTheWindowsFrameCentredOnTheScreen) {
  QWidget& window = Window();
  EXPECT_EQ(window.windowTitle(), "批量修改文件后缀");
  // 379 x 121 less the fixed frame and caption bar that Windows draws.
  EXPECT_EQ(window.size(), QSize(373, 96));
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
  const Qt::WindowFlags flags = window.windowFlags();
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(window.pos(), QPoint((screen.width() - 379) / 2, (screen.height() - 121) / 2));
  EXPECT_EQ(window.windowIcon().availableSizes(), (QList<QSize>{{32, 32}, {48, 48}, {64, 64}}));
}

TEST_F(MainWindow, ShowsItsControlsInClientCoordinates) {
  struct LabelCase {
    const char* caption;
    QRect place;
    bool bold, wraps;
    Qt::Alignment align;
  } const labels[] = {
      {"新后缀： .", {8, 16, 80, 32}, true, false, Qt::AlignLeft | Qt::AlignVCenter},
      {"把文件框选后拖入本窗口，即可修改为上面的后缀。", {0, 64, 376, 16}, false, true,
       Qt::AlignLeft | Qt::AlignTop},
  };
  const QColor face = Window().palette().color(QPalette::Window);
  for (const LabelCase& c : labels) {
    SCOPED_TRACE(c.caption);
    QLabel* label = nullptr;
    for (QLabel* candidate : Window().findChildren<QLabel*>()) {
      if (candidate->text() == c.caption) label = candidate;
    }
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->isVisible());
    EXPECT_EQ(label->geometry(), c.place);
    EXPECT_EQ(label->font().pixelSize(), 16);
    EXPECT_EQ(label->font().bold(), c.bold);
    EXPECT_EQ(label->wordWrap(), c.wraps);
    EXPECT_EQ(label->alignment(), c.align);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(label->palette().color(QPalette::Window), face);
    EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
  }

  QLineEdit& box = SuffixBox();
  EXPECT_EQ(box.geometry(), QRect(96, 16, 192, 32));
  EXPECT_TRUE(box.text().isEmpty());
  EXPECT_TRUE(box.hasFrame());
  EXPECT_EQ(box.palette().color(QPalette::Text), QColor(Qt::black));
  EXPECT_EQ(box.palette().color(QPalette::Base), QColor(Qt::white));
  // Nothing of the drop target is shown: its area is bare background.
  EXPECT_EQ(Window().childAt(340, 30), nullptr);
}

TEST_F(MainWindow, StartsWithTheCaretInTheEmptySuffixBox) {
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
  EXPECT_EQ(QApplication::focusWidget(), &SuffixBox());
  EXPECT_EQ(SuffixBox().cursorPosition(), 0);
}

TEST_F(MainWindow, SuffixBoxTakesAtMostSixteenBytes) {
  QTest::keyClicks(&SuffixBox(), "abcdefghijklmnopqrstu");
  EXPECT_EQ(SuffixBox().text(), "abcdefghijklmnop");
}

TEST_F(MainWindow, KeysThatKeepTheWindowAndTheFocus) {
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
  QLineEdit& box = SuffixBox();
  QTest::keyClicks(&box, "png");
  struct KeyCase {
    const char* what;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
  } const keys[] = {
      {"Tab", Qt::Key_Tab, Qt::NoModifier},
      {"Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier},
      {"Enter", Qt::Key_Return, Qt::NoModifier},
      {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier},
      {"F1", Qt::Key_F1, Qt::NoModifier},
  };
  for (const KeyCase& c : keys) {
    SCOPED_TRACE(c.what);
    QTest::keyClick(QApplication::focusWidget(), c.key, c.modifiers);
    EXPECT_TRUE(shell_.WindowAlive(kMainWindowId));
    EXPECT_EQ(QApplication::focusWidget(), &box);
    EXPECT_EQ(box.text(), "png");
  }
}

TEST_F(MainWindow, EscClosesItAndTheLoopEndsWithCodeZero) {
  QTimer::singleShot(0, &SuffixBox(), [this] { QTest::keyClick(&SuffixBox(), Qt::Key_Escape); });
  shell_.RunMessageLoop();
  EXPECT_FALSE(shell_.WindowAlive(kMainWindowId));
  EXPECT_EQ(shell_.ExitCode(), 0);
}

TEST_F(MainWindow, SelectionIsKeptButNotShownOutOfFocus) {
  QLineEdit& box = SuffixBox();
  QTest::keyClicks(&box, "abc");
  box.selectAll();
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));

  EXPECT_TRUE(box.hasSelectedText());
  const QImage selected = box.grab().toImage();
  box.deselect();
  EXPECT_EQ(box.grab().toImage(), selected);
}

TEST(QtProcessPort, WorksInTheProgramsFolderWhereverItWasStarted) {
  QDir::setCurrent(QDir::rootPath());
  QtProcessPort().EnterProgramFolder();
  EXPECT_EQ(QDir::currentPath(), QCoreApplication::applicationDirPath());
}

}  // namespace
}  // namespace batch::testing
