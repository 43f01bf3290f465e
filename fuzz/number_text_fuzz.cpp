// Any UTF-16 text as a number text, in every reading the editor and the writer use.
#include <cstdint>
#include <string>

#include "model/number_text.h"
#include "platform/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::u16string text(size / 2, u'\0');
  for (size_t i = 0; i < text.size(); ++i)
    text[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
  try {
    // A number that reads back must read back from its decimal text to the same value.
    const int32_t value = pw::ReadNumberText(text);
    if (pw::ReadNumberText(pw::DecimalText(value)) != value)
      __builtin_trap();
  } catch (const pw::Error&) {
  }
  try {
    pw::ReadNumberText64(text);
  } catch (const pw::Error&) {
  }
  try {
    pw::HexOrDecToInt(text);
  } catch (const pw::Error&) {
  }
  return 0;
}
