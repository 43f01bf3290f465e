// Texts between the window's fields and the item model.
#pragma once

#include <QString>
#include <string>
#include <string_view>

class QLineEdit;

namespace pw {

QString ToQString(std::u16string_view text);
std::u16string ToU16(const QString& text);

std::u16string FieldText(const QLineEdit* field);
// Sets the text whole, past the field's validator: it comes from a file or an item.
void SetFieldText(QLineEdit* field, std::u16string_view text);

// Reads the field as number text, adds 1 and writes the decimal back. The sum wraps in 32
// bits, as the numbers are kept: 2147483647 becomes -2147483648, the pattern 0x80000000.
void IncreaseNumberField(QLineEdit* field);

}  // namespace pw
