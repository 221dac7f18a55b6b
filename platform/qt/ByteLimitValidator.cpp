#include "platform/qt/ByteLimitValidator.h"

#include <algorithm>

namespace batch {
namespace {

// The longest start of `inserted` that fits in `room` bytes, cut between
// characters (a surrogate pair is one character).
qsizetype FittingUnits(QStringView inserted, int room) {
  qsizetype units = 0;
  while (units < inserted.size()) {
    const qsizetype width = inserted[units].isHighSurrogate() && units + 1 < inserted.size() ? 2 : 1;
    const int bytes = LocaleByteCount(inserted.sliced(units, width));
    if (bytes > room) break;
    room -= bytes;
    units += width;
  }
  return units;
}

}  // namespace

int LocaleByteCount(QStringView text) { return static_cast<int>(text.toLocal8Bit().size()); }

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
    const QStringView inserted = after.sliced(head, after.size() - head - tail);
    const int room = std::max(0, maxBytes_ - LocaleByteCount(kept) - LocaleByteCount(end));
    const QStringView fitting = inserted.first(FittingUnits(inserted, room));
    input = kept.toString().append(fitting).append(end);
    cursor = static_cast<int>(head + fitting.size());
  }
  accepted_ = input;
  return Acceptable;
}

}  // namespace batch
