// Any UTF-16 text as a number text, in every reading the editor and the writer use.
#include <cstdint>
#include <string>

#include "model/number_text.h"
#include "platform/byte_cursor.h"
#include "platform/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::u16string text = pw::ByteCursor(std::span(data, size)).Utf16(size / 2);
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
