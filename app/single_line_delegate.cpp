// Line breaks of a list line become spaces on screen; the line's text stays as it is.
#include "app/single_line_delegate.h"

#include <QRegularExpression>

namespace pw {

QString SingleLineDelegate::displayText(const QVariant& value, const QLocale& locale) const {
  // The base class has already turned each LF into a line separator.
  static const QRegularExpression kLineBreak(QStringLiteral("\r?[\n\u2028]|\r"));
  return QStyledItemDelegate::displayText(value, locale).replace(kLineBreak, QStringLiteral(" "));
}

}  // namespace pw
