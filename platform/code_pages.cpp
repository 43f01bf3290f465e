// Code-page conversions: Win32 on Windows, iconv elsewhere.
#include "platform/code_pages.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include "platform/byte_cursor.h"
#endif

namespace pw {

#ifdef _WIN32

namespace {

std::u16string CodePageToUtf16(UINT codePage, std::string_view bytes) {
  if (bytes.empty())
    return {};
  const int count = static_cast<int>(bytes.size());
  const int size = MultiByteToWideChar(codePage, 0, bytes.data(), count, nullptr, 0);
  if (size <= 0)
    return {};
  std::u16string out(static_cast<size_t>(size), u'\0');
  MultiByteToWideChar(codePage, 0, bytes.data(), count, reinterpret_cast<wchar_t*>(out.data()),
                      size);
  return out;
}

// Without the "best fit" that Windows applies by default (and CharToOem always): it turns a
// missing letter into a look-alike, "À" into "A" in CP437 and some look-alikes of "/" and "\\"
// into the separators themselves, so names would differ from the other builds' and could
// point somewhere else. A character the code page lacks becomes "?".
std::string Utf16ToCodePage(UINT codePage, std::u16string_view text) {
  if (text.empty())
    return {};
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int units = static_cast<int>(text.size());
  const int size = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide, units, nullptr, 0,
                                       nullptr, nullptr);
  if (size <= 0)
    return {};
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide, units, out.data(), size, nullptr,
                      nullptr);
  return out;
}

}  // namespace

int AnsiCodePage() {
  return static_cast<int>(GetACP());
}

int OemCodePage() {
  return static_cast<int>(GetOEMCP());
}

std::string Utf16ToAnsi(std::u16string_view text) {
  return Utf16ToCodePage(CP_ACP, text);
}

std::u16string AnsiToUtf16(std::string_view bytes) {
  return CodePageToUtf16(CP_ACP, bytes);
}

std::string AnsiToOemBytes(std::string_view bytes) {
  return Utf16ToCodePage(CP_OEMCP, AnsiToUtf16(bytes));
}

std::u16string OemToUtf16(std::string_view bytes) {
  return CodePageToUtf16(CP_OEMCP, bytes);
}

#else

namespace {

constexpr int kDefaultAnsi = 1252;
constexpr int kDefaultOem = 437;

std::string IconvName(int codePage) {
  return "CP" + std::to_string(codePage);
}

// A code page named by the environment, when iconv knows it.
int CodePageFromEnvironment(const char* variable, int fallback) {
  const char* value = std::getenv(variable);
  if (value == nullptr || *value == '\0')
    return fallback;
  char* end = nullptr;
  const long number = std::strtol(value, &end, 10);
  if (*end != '\0' || number <= 0 || number > 65535)
    return fallback;
  const iconv_t probe = iconv_open("UTF-16LE", IconvName(static_cast<int>(number)).c_str());
  if (probe == reinterpret_cast<iconv_t>(-1))
    return fallback;
  iconv_close(probe);
  return static_cast<int>(number);
}

// Length of the input unit at the front of `rest`: one byte of a code page, or one UTF-16
// code unit (two for a surrogate pair).
size_t UnitLength(std::string_view rest, bool utf16) {
  if (!utf16)
    return 1;
  if (rest.size() >= 4) {
    const unsigned high = static_cast<unsigned char>(rest[1]);
    const unsigned nextHigh = static_cast<unsigned char>(rest[3]);
    if (high >= 0xD8 && high <= 0xDB && nextHigh >= 0xDC && nextHigh <= 0xDF)
      return 4;
  }
  return std::min<size_t>(2, rest.size());
}

// Converts the whole input; a unit that does not convert is skipped and replace(unit) stands
// for it in the output.
template <typename Replace>
std::string Convert(int toCodePage, int fromCodePage, std::string_view input, Replace replace) {
  const bool fromUtf16 = fromCodePage == 0;
  const std::string to = toCodePage == 0 ? "UTF-16LE" : IconvName(toCodePage);
  const std::string from = fromUtf16 ? "UTF-16LE" : IconvName(fromCodePage);
  std::string out;
  const iconv_t cd = iconv_open(to.c_str(), from.c_str());
  if (cd == reinterpret_cast<iconv_t>(-1))
    return out;
  char* in = const_cast<char*>(input.data());
  size_t inLeft = input.size();
  char buffer[256];
  while (inLeft > 0) {
    char* outPtr = buffer;
    size_t outLeft = sizeof buffer;
    const size_t result = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    out.append(buffer, static_cast<size_t>(outPtr - buffer));
    if (result == static_cast<size_t>(-1) && errno != E2BIG) {
      const size_t skip = UnitLength(std::string_view(in, inLeft), fromUtf16);
      out += replace(std::string_view(in, skip));
      in += skip;
      inLeft -= skip;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
  iconv_close(cd);
  return out;
}

constexpr int kUtf16 = 0;

std::string QuestionMark(std::string_view) {
  return "?";
}

// An undefined byte reads as the character of the same number, as Windows reads it.
std::string SameNumberUtf16(std::string_view unit) {
  return {unit[0], '\0'};
}

std::string ToBytes(std::u16string_view text) {
  ByteWriter bytes;
  bytes.Utf16(text);
  return std::string(bytes.Chars());
}

std::u16string FromBytes(std::string_view bytes) {
  return ByteCursor(bytes).Utf16(bytes.size() / 2);
}

std::string FromUtf16(std::u16string_view text, int codePage) {
  return Convert(codePage, kUtf16, ToBytes(text), QuestionMark);
}

std::u16string ToUtf16(std::string_view bytes, int codePage) {
  return FromBytes(Convert(kUtf16, codePage, bytes, SameNumberUtf16));
}

}  // namespace

int AnsiCodePage() {
  return CodePageFromEnvironment("PLUGWRIGHT_ANSI_CODEPAGE", kDefaultAnsi);
}

int OemCodePage() {
  return CodePageFromEnvironment("PLUGWRIGHT_OEM_CODEPAGE", kDefaultOem);
}

std::string Utf16ToAnsi(std::u16string_view text) {
  return FromUtf16(text, AnsiCodePage());
}

std::u16string AnsiToUtf16(std::string_view bytes) {
  return ToUtf16(bytes, AnsiCodePage());
}

std::string AnsiToOemBytes(std::string_view bytes) {
  return FromUtf16(AnsiToUtf16(bytes), OemCodePage());
}

std::u16string OemToUtf16(std::string_view bytes) {
  return ToUtf16(bytes, OemCodePage());
}

#endif

}  // namespace pw
