// Number text: parsing with exact range rules, and the decimal form numbers are written in.
#include "model/number_text.h"

#include <optional>

#include "platform/errors.h"
#include "platform/text.h"

namespace pw {
namespace {

int HexDigit(char16_t c) {
  if (c >= u'0' && c <= u'9')
    return c - u'0';
  if (c >= u'a' && c <= u'f')
    return c - u'a' + 10;
  if (c >= u'A' && c <= u'F')
    return c - u'A' + 10;
  return -1;
}

// Length of the hexadecimal marker at the start of rest, or 0 when there is none.
size_t HexMarkerLength(std::u16string_view rest) {
  if (rest.starts_with(u"0x") || rest.starts_with(u"0X"))
    return 2;
  if (!rest.empty() && (rest[0] == u'$' || rest[0] == u'x' || rest[0] == u'X'))
    return 1;
  return 0;
}

// Unsigned value of the digits, or nothing when a digit is bad or the value passes limit.
std::optional<uint64_t> ReadDigits(std::u16string_view digits, unsigned base, uint64_t limit) {
  if (digits.empty())
    return std::nullopt;
  uint64_t value = 0;
  for (char16_t c : digits) {
    const int digit = HexDigit(c);
    if (digit < 0 || static_cast<unsigned>(digit) >= base)
      return std::nullopt;
    if (value > (limit - static_cast<unsigned>(digit)) / base)
      return std::nullopt;
    value = value * base + static_cast<unsigned>(digit);
  }
  return value;
}

// Parses with the given width (32 or 64 bits); nothing when the text breaks the syntax.
std::optional<int64_t> Parse(std::u16string_view text, int bits) {
  size_t pos = text.find_first_not_of(u' ');
  if (pos == std::u16string_view::npos)
    return std::nullopt;
  bool negative = false;
  if (text[pos] == u'-' || text[pos] == u'+')
    negative = text[pos++] == u'-';
  std::u16string_view rest = text.substr(pos);
  const uint64_t patternLimit = bits == 32 ? 0xFFFFFFFFull : ~0ull;
  if (const size_t marker = HexMarkerLength(rest); marker > 0) {
    const auto pattern = ReadDigits(rest.substr(marker), 16, patternLimit);
    if (!pattern)
      return std::nullopt;
    // Two's-complement reading of the pattern, then the sign, wrapping like the hardware does.
    uint64_t value = bits == 32 ? static_cast<uint64_t>(static_cast<int64_t>(
                                      static_cast<int32_t>(static_cast<uint32_t>(*pattern))))
                                : *pattern;
    if (negative)
      value = 0 - value;
    return bits == 32 ? static_cast<int64_t>(static_cast<int32_t>(static_cast<uint32_t>(value)))
                      : static_cast<int64_t>(value);
  }
  const uint64_t maxPositive = bits == 32 ? 0x7FFFFFFFull : 0x7FFFFFFFFFFFFFFFull;
  const auto magnitude = ReadDigits(rest, 10, maxPositive + (negative ? 1 : 0));
  if (!magnitude)
    return std::nullopt;
  return negative ? static_cast<int64_t>(0 - *magnitude) : static_cast<int64_t>(*magnitude);
}

}  // namespace

int32_t ReadNumberText(std::u16string_view text) {
  const auto value = Parse(text, 32);
  if (!value)
    throw ConversionError(Utf16ToUtf8(text));
  return static_cast<int32_t>(*value);
}

int64_t ReadNumberText64(std::u16string_view text) {
  const auto value = Parse(text, 64);
  if (!value)
    throw ConversionError(Utf16ToUtf8(text));
  return *value;
}

int32_t HexOrDecToInt(std::u16string_view text) {
  if (text.starts_with(u"0x"))
    return ReadNumberText(u"$" + std::u16string(text.substr(2)));
  return ReadNumberText(text);
}

std::u16string DecimalText(int64_t value) {
  const std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

}  // namespace pw
