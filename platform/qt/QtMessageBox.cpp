#include "platform/qt/QtMessageBox.h"

namespace batch {

void ShowMessageBox(QMessageBox::Icon icon, TextRef text, TextRef caption) {
  // CR LF is the line break of the portable texts; Qt breaks lines at LF.
  const QString body = QString::fromLocal8Bit(text.Bytes()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QMessageBox box(icon, QString::fromLocal8Bit(caption.Bytes()), body, QMessageBox::Ok);
  box.exec();
}

}  // namespace batch
