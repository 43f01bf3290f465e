// Selector encodings; reading back goes through the number-text rules.
#include "model/selector_codes.h"

#include <cstdint>

#include "model/number_text.h"

namespace pw {

std::u16string TypeCodeFromIndex(int index) {
  return DecimalText(kTypeReal + index);
}
int TypeIndexFromCode(std::u16string_view code) {
  return ReadNumberText(code) - kTypeReal;
}

std::u16string ViewCodeFromIndex(int index) {
  return DecimalText(1 + index);
}
int ViewIndexFromCode(std::u16string_view code) {
  return ReadNumberText(code) - 1;
}

std::u16string SeparatorCode(std::u16string_view separator) {
  return separator.empty() ? u"0" : DecimalText(separator.front());
}

std::u16string SeparatorFromCode(std::u16string_view code) {
  const auto unit = static_cast<char16_t>(static_cast<uint32_t>(ReadNumberText(code)) & 0xFFFF);
  return unit == 0 ? std::u16string() : std::u16string(1, unit);
}

std::u16string PathKindCode(int index) {
  return DecimalText(index);
}
int PathKindFromCode(std::u16string_view code) {
  return ReadNumberText(code);
}

}  // namespace pw
