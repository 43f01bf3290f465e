// The names Windows keeps for devices and the characters it refuses in a file name.
#include "platform/windows_names.h"

#include <algorithm>

namespace pw {
namespace {

char16_t AsciiUpper(char16_t c) {
  return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

bool EqualsUpper(std::u16string_view text, std::u16string_view upper) {
  return text.size() == upper.size() &&
         std::equal(text.begin(), text.end(), upper.begin(),
                    [](char16_t a, char16_t b) { return AsciiUpper(a) == b; });
}

// Windows counts the Latin-1 superscripts 1, 2 and 3 as digits of a port's name.
bool IsPortDigit(char16_t c) {
  return (c >= u'1' && c <= u'9') || c == u'\u00B9' || c == u'\u00B2' || c == u'\u00B3';
}

bool IsReservedCharacter(char16_t c) {
  return c < 32 || std::u16string_view(u"<>\"|?*").find(c) != std::u16string_view::npos;
}

}  // namespace

bool IsWindowsDeviceName(std::u16string_view name) {
  // What comes before the extension (or a stream's ":"), without the spaces Windows drops there.
  std::u16string_view stem = name.substr(0, name.find_first_of(u".:"));
  while (!stem.empty() && stem.back() == u' ')
    stem.remove_suffix(1);
  for (std::u16string_view device : {u"CON", u"PRN", u"AUX", u"NUL"}) {
    if (EqualsUpper(stem, device))
      return true;
  }
  return stem.size() == 4 &&
         (EqualsUpper(stem.substr(0, 3), u"COM") || EqualsUpper(stem.substr(0, 3), u"LPT")) &&
         IsPortDigit(stem[3]);
}

WindowsNameFault FindWindowsNameFault(std::u16string_view name) {
  if (std::any_of(name.begin(), name.end(), IsReservedCharacter))
    return WindowsNameFault::kReservedCharacter;
  if (IsWindowsDeviceName(name))
    return WindowsNameFault::kDeviceName;
  if (!name.empty() && (name.back() == u'.' || name.back() == u' '))
    return WindowsNameFault::kTrailingDotOrSpace;
  return WindowsNameFault::kNone;
}

}  // namespace pw
