// Conversions that report a text that is no number as nothing instead of an error.
#include "repository/item_numbers.h"

#include "model/number_text.h"
#include "platform/errors.h"

namespace pw {

std::optional<int32_t> NumberIfAny(std::u16string_view text) {
  try {
    return HexOrDecToInt(text);
  } catch (const ConversionError&) {
    return std::nullopt;
  }
}

}  // namespace pw
