// The suffix box holds at most 16 bytes of the locale's encoding (UTF-8 here:
// a Chinese character takes three), whether typed, pasted or composed.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

#include "platform/qt/ByteLimitValidator.h"

namespace batch {
namespace {

class LimitedEdit : public ::testing::Test {
 protected:
  LimitedEdit() { edit.setValidator(new ByteLimitValidator(16, &edit)); }

  // One key press per character, carrying that character as its text.
  void Type(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
      const qsizetype width = text[i].isHighSurrogate() ? 2 : 1;
      QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_unknown, text.sliced(i, width), Qt::NoModifier);
      i += width - 1;
    }
  }
  void Paste(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    edit.paste();
  }
  void Compose(const QString& commit) {
    QInputMethodEvent event;
    event.setCommitString(commit);
    QApplication::sendEvent(&edit, &event);
  }

  QLineEdit edit;
};

TEST_F(LimitedEdit, TypingStopsAtTheLastWholeCharacterThatFits) {
  struct Case {
    const char* what;
    QString typed, kept;
  } const cases[] = {
      {"21 letters", "abcdefghijklmnopqrstu", "abcdefghijklmnop"},
      {"six Chinese characters", "改名完毕批量", "改名完毕批"},
      {"a letter after five Chinese", "改名完毕批x", "改名完毕批x"},
      {"a Chinese after 14 letters", "abcdefghijklmn改", "abcdefghijklmn"},
      {"a 4-byte character", "abcdefghijkl\U0001F600z", "abcdefghijkl\U0001F600"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    edit.clear();
    Type(c.typed);
    EXPECT_EQ(edit.text(), c.kept);
    EXPECT_LE(edit.text().toUtf8().size(), 16);
  }
}

TEST_F(LimitedEdit, PasteKeepsWhatFits) {
  Paste("一二三四五六七八");
  EXPECT_EQ(edit.text(), "一二三四五");
  EXPECT_EQ(edit.cursorPosition(), 5);
}

TEST_F(LimitedEdit, InsertingIntoAFullBoxLeavesItsTextAlone) {
  QTest::keyClicks(&edit, "abcdefghijklmnop");
  edit.setCursorPosition(3);
  QTest::keyClicks(&edit, "X");
  Paste("YZ");
  EXPECT_EQ(edit.text(), "abcdefghijklmnop");
  EXPECT_EQ(edit.cursorPosition(), 3);
}

TEST_F(LimitedEdit, PasteOverASelectionCutsOnlyThePastedText) {
  QTest::keyClicks(&edit, "abcdefghijklmnop");
  edit.setSelection(2, 3);  // "cde"
  Paste("中文字");
  EXPECT_EQ(edit.text(), "ab中fghijklmnop");
  EXPECT_EQ(edit.cursorPosition(), 3);
}

TEST_F(LimitedEdit, InputMethodCommitsAreCutToo) {
  Compose("批量修改文件");
  EXPECT_EQ(edit.text(), "批量修改文");
}

}  // namespace
}  // namespace batch
