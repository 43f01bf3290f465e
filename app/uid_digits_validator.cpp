// What arrives in the plugin uid field is found by comparing the new text with the old one.
#include "app/uid_digits_validator.h"

#include <QLineEdit>
#include <algorithm>

namespace pw {

bool IsHexDigit(QChar c) {
  return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}

UidDigitsValidator::UidDigitsValidator(QLineEdit* field)
    : QValidator(field), before_(field->text()) {
  connect(field, &QLineEdit::textChanged, this, [this](const QString& text) { before_ = text; });
}

// The arrived characters lie between the longest common start and end of the two texts;
// the rest of the old text, the selection that was replaced excepted, stays.
QValidator::State UidDigitsValidator::validate(QString& input, int& position) const {
  const qsizetype common = std::min(before_.size(), input.size());
  qsizetype start = 0;
  while (start < common && before_[start] == input[start])
    ++start;
  qsizetype end = 0;
  while (end < common - start && before_[before_.size() - 1 - end] == input[input.size() - 1 - end])
    ++end;
  const qsizetype room = std::max<qsizetype>(0, kSetUidDigits - start - end);
  const QStringView arrived = QStringView(input).mid(start, input.size() - start - end);
  QString kept;
  for (const QChar c : arrived)
    if (kept.size() < room && IsHexDigit(c))
      kept += c;
  if (kept.size() == arrived.size())
    return Acceptable;
  input = input.left(start) + kept + input.right(end);
  position = static_cast<int>(start + kept.size());
  return Acceptable;
}

}  // namespace pw
