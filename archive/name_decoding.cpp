// Name decoding: the UTF-8 test, then the OEM or ANSI code page.
#include "archive/name_decoding.h"

#include <algorithm>

#include "archive/zf_types.h"
#include "platform/code_pages.h"
#include "platform/text.h"

namespace pw {
namespace {

bool InRange(unsigned char byte, unsigned low, unsigned high) {
  return byte >= low && byte <= high;
}

// Length of the well-formed sequence at the front of rest, or 0 when there is none.
size_t SequenceLength(std::string_view rest) {
  const auto at = [&](size_t i) { return static_cast<unsigned char>(rest[i]); };
  const unsigned char lead = at(0);
  size_t length = 0;
  unsigned secondLow = 0x80;
  unsigned secondHigh = 0xBF;
  if (InRange(lead, 0xC2, 0xDF)) {
    length = 2;
  } else if (InRange(lead, 0xE0, 0xEF)) {
    length = 3;
    secondLow = lead == 0xE0 ? 0xA0 : 0x80;
  } else if (InRange(lead, 0xF0, 0xF4)) {
    length = 4;
    secondLow = lead == 0xF0 ? 0x90 : 0x80;
    secondHigh = lead == 0xF4 ? 0x8F : 0xBF;
  }
  if (length == 0 || rest.size() < length || !InRange(at(1), secondLow, secondHigh))
    return 0;
  for (size_t i = 2; i < length; ++i) {
    if (!InRange(at(i), 0x80, 0xBF))
      return 0;
  }
  return length;
}

bool IsAscii(std::string_view bytes) {
  return std::all_of(bytes.begin(), bytes.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

bool IsWellFormedUtf8(std::string_view bytes) {
  size_t i = 0;
  while (i < bytes.size()) {
    if (static_cast<unsigned char>(bytes[i]) < 0x80) {
      ++i;
      continue;
    }
    const size_t length = SequenceLength(bytes.substr(i));
    if (length == 0)
      return false;
    i += length;
  }
  return true;
}

std::u16string DecodeEntryName(std::string_view bytes, uint16_t genPurposeFlag, bool oemFileNames,
                               bool utf8Test) {
  // Every code page a host uses agrees with ASCII below 0x80, so plain names skip the
  // conversions; directories of many thousand entries load without them.
  if (IsAscii(bytes))
    return std::u16string(bytes.begin(), bytes.end());
  if (utf8Test && IsWellFormedUtf8(bytes))
    return Utf8ToUtf16(bytes);
  // Never through the ANSI code page: OEM letters it lacks would all turn into "?", and
  // different names into one.
  if (oemFileNames && (genPurposeFlag & zf::kFlagUtf8Name) == 0)
    return OemToUtf16(bytes);
  return AnsiToUtf16(bytes);
}

}  // namespace pw
