#include "platform/qt/ByteLimitValidator.h"

#include <algorithm>

#include "shell/window/ByteLimit.h"

namespace batch {
namespace {

// Qt's local 8-bit encoding, which is UTF-8 on Linux.
int LocaleByteCount(QStringView text) { return static_cast<int>(text.toLocal8Bit().size()); }

// The longest start of `inserted` that fits in `room` bytes, cut between
// characters.
QString Fitting(QStringView inserted, int room) {
  const QByteArray bytes = inserted.toLocal8Bit();
  return QString::fromLocal8Bit(bytes.first(BytesThatFit(bytes.constData(), room, CharRule::PlainBytes)));
}

}  // namespace

ByteLimitValidator::ByteLimitValidator(int maxBytes, QObject* parent)
    : QValidator(parent), maxBytes_(maxBytes) {}

QValidator::State ByteLimitValidator::validate(QString& input, int& cursor) const {
  if (LocaleByteCount(input) > maxBytes_) {
    // The edit kept a start and an end of the old text and put something
    // new between them; only that new part is cut.
    const QStringView before(accepted_), after(input);
    const qsizetype most = std::min(before.size(), after.size());
    qsizetype head = 0;
    while (head < most && before[head] == after[head]) ++head;
    qsizetype tail = 0;
    while (tail < most - head && before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) ++tail;
    // Never split a surrogate pair between the kept and the new part.
    if (head > 0 && after[head - 1].isHighSurrogate()) --head;
    if (tail > 0 && after[after.size() - tail].isLowSurrogate()) --tail;

    const QStringView kept = after.first(head);
    const QStringView end = after.last(tail);
    const int room = std::max(0, maxBytes_ - LocaleByteCount(kept) - LocaleByteCount(end));
    const QString fitting = Fitting(after.sliced(head, after.size() - head - tail), room);
    input = kept.toString().append(fitting).append(end);
    cursor = static_cast<int>(head + fitting.size());
  }
  accepted_ = input;
  return Acceptable;
}

}  // namespace batch
