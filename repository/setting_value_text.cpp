// The value texts of `dump`: numbers in decimal, strings quoted or, when not UTF-16, in hex.
#include "repository/setting_value_text.h"

#include <charconv>
#include <cstdio>

#include "platform/byte_cursor.h"
#include "platform/text.h"
#include "repository/hex_text.h"

namespace pw {
namespace {

// A string in double quotes, with quotes, backslashes and control characters escaped.
std::string QuotedText(const std::u16string& text) {
  std::string quoted = "\"";
  for (char c : Utf16ToUtf8(text)) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (byte < 0x20 || byte == 0x7F) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", byte);
      quoted += escape;
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

// The shortest decimal text that reads back as the same double.
std::string RealText(double value) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

}  // namespace

std::optional<std::u16string> StoredUtf16(const StoredText& stored) {
  const auto& bytes = stored.bytes;
  if (bytes.size() % 2 != 0)
    return std::nullopt;
  const std::u16string text = ByteCursor(bytes).Utf16(bytes.size() / 2);
  for (size_t i = 0; i < text.size(); ++i) {
    const bool high = text[i] >= 0xD800 && text[i] <= 0xDBFF;
    const bool low = text[i] >= 0xDC00 && text[i] <= 0xDFFF;
    if (low || (high && (i + 1 == text.size() || text[i + 1] < 0xDC00 || text[i + 1] > 0xDFFF)))
      return std::nullopt;
    i += high ? 1 : 0;
  }
  return text;
}

std::string SettingValueText(const DumpedSetting& setting) {
  if (const auto* number = std::get_if<int32_t>(&setting.value))
    return "integer " + std::to_string(*number);
  if (const auto* real = std::get_if<double>(&setting.value))
    return "real " + RealText(*real);
  const auto& stored = std::get<StoredText>(setting.value);
  if (const auto text = StoredUtf16(stored))
    return "string " + QuotedText(*text);
  return "string of " + std::to_string(stored.bytes.size()) + " bytes, hex " +
         HexBytes(stored.bytes);
}

}  // namespace pw
