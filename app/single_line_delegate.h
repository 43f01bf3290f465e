// Shows each list line on one row, whatever line breaks its text holds.
#pragma once

#include <QStyledItemDelegate>

namespace pw {

// Item lines keep descriptions with their CR LF; the list shows each break as a space.
class SingleLineDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QString displayText(const QVariant& value, const QLocale& locale) const override;
};

}  // namespace pw
