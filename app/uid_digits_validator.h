// The plugin uid field's rule for characters that arrive by any way but a typed key.
#pragma once

#include <QString>
#include <QValidator>

class QLineEdit;

namespace pw {

// The field holds the hexadecimal digits after "fac" in the repository UID.
inline constexpr qsizetype kSetUidDigits = 5;

bool IsHexDigit(QChar c);

// Pasted, dropped or composed text keeps only its hexadecimal digits, and only as many as
// leave the field at five characters; it replaces the selection as usual. Typed keys have
// passed the key filter before they get here, and texts set through SetFieldText (from a
// file or an item) go in whole.
class UidDigitsValidator : public QValidator {
  Q_OBJECT

 public:
  explicit UidDigitsValidator(QLineEdit* field);

  State validate(QString& input, int& position) const override;

 private:
  QString before_;  // the field's text before the change under validation
};

}  // namespace pw
