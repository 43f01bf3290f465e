// Conversions between QString and the model's UTF-16 texts, and number fields.
#include "app/field_text.h"

#include <QLineEdit>

#include "model/number_text.h"

namespace pw {

QString ToQString(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

std::u16string ToU16(const QString& text) {
  return text.toStdU16String();
}

std::u16string FieldText(const QLineEdit* field) {
  return ToU16(field->text());
}

// A validator would rework the text as if the user had entered it.
void SetFieldText(QLineEdit* field, std::u16string_view text) {
  const QValidator* guard = field->validator();
  field->setValidator(nullptr);
  field->setText(ToQString(text));
  field->setValidator(guard);
}

void IncreaseNumberField(QLineEdit* field) {
  const auto pattern = static_cast<uint32_t>(ReadNumberText(FieldText(field)));
  SetFieldText(field, DecimalText(static_cast<int32_t>(pattern + 1U)));
}

}  // namespace pw
