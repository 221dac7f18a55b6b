#pragma once
// Keeps a line edit's text within a number of bytes in the locale's encoding,
// as a Windows edit control with a byte limit does: what is typed, pasted or
// committed by an input method is cut to the whole characters that still fit,
// and the text already there is never touched.

#include <QString>
#include <QValidator>

namespace batch {

class ByteLimitValidator final : public QValidator {
 public:
  ByteLimitValidator(int maxBytes, QObject* parent);

  State validate(QString& input, int& cursor) const override;

 private:
  int maxBytes_;
  // The text last let through: what an edit is compared against to find
  // the part that was inserted.
  mutable QString accepted_;
};

}  // namespace batch
