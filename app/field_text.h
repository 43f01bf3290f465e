// Texts between the window's fields and the item model.
#pragma once

#include <QString>
#include <string>
#include <string_view>

class QLineEdit;
class QPlainTextEdit;

namespace pw {

QString ToQString(std::u16string_view text);
std::u16string ToU16(const QString& text);

std::u16string FieldText(const QLineEdit* field);
void SetFieldText(QLineEdit* field, std::u16string_view text);

// Reads the field as number text, adds 1 and writes the decimal back. The sum wraps in 32
// bits, as the numbers are kept: 2147483647 becomes -2147483648, the pattern 0x80000000.
void IncreaseNumberField(QLineEdit* field);

// A multi-line field's whole text with CR LF line breaks, the way items keep descriptions.
std::u16string MemoText(const QPlainTextEdit* memo);
// Sets the text only when it differs, so that a change handler runs only for a real change.
void SetMemoText(QPlainTextEdit* memo, std::u16string_view text);

}  // namespace pw
