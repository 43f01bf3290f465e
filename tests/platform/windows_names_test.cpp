// Names Windows cannot create: device names in their disguises, reserved characters, a trailing
// dot or space; and the near misses that are ordinary names.
#include "platform/windows_names.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/text.h"

namespace pw {
namespace {

TEST(WindowsNames, FaultsOfNames) {
  using enum WindowsNameFault;
  const struct {
    std::u16string name;
    WindowsNameFault fault;
  } cases[] = {
      {u"CON", kDeviceName},
      {u"prn", kDeviceName},
      {u"Aux", kDeviceName},
      {u"nUl", kDeviceName},
      {u"con.txt", kDeviceName},
      {u"com1.qvx", kDeviceName},
      {u"COM9", kDeviceName},
      {u"lpt1", kDeviceName},
      {u"LPT9.tar.gz", kDeviceName},
      {u"NUL .txt", kDeviceName},
      {u"COM\u00B9", kDeviceName},
      {u"lpt\u00B3.x", kDeviceName},
      {u"CON.", kDeviceName},  // a device first: Windows drops the dot and opens it
      {u"a?b", kReservedCharacter},
      {u"a*b", kReservedCharacter},
      {u"<a", kReservedCharacter},
      {u"a>", kReservedCharacter},
      {u"a\"b", kReservedCharacter},
      {u"a|b", kReservedCharacter},
      {u"tab\there", kReservedCharacter},
      {u"a\001b", kReservedCharacter},
      {u"a\037b", kReservedCharacter},
      {std::u16string(u"a\0b", 3), kReservedCharacter},
      {u"con?", kReservedCharacter},
      {u"name.", kTrailingDotOrSpace},
      {u"name ", kTrailingDotOrSpace},
      {u"..", kTrailingDotOrSpace},
      {u"my_tweak", kNone},
      {u"console", kNone},
      {u"CONS.txt", kNone},
      {u"xcon", kNone},
      {u"COM", kNone},
      {u"COM0", kNone},
      {u"COM10", kNone},
      {u"LPT", kNone},
      {u"nul_plugin", kNone},
      {u" CON", kNone},
      {u".hidden", kNone},
      {u"a b.c", kNone},
      {u"\u0416\u0443\u043A", kNone},
      {u"a\177b", kNone},
      {u"", kNone},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Utf16ToUtf8(c.name));
    EXPECT_EQ(FindWindowsNameFault(c.name), c.fault);
    EXPECT_EQ(IsWindowsDeviceName(c.name), c.fault == kDeviceName);
  }
}

// The stream separator ends the device part as the extension does; the other checks leave ":"
// to the caller.
TEST(WindowsNames, AStreamOfADeviceIsTheDevice) {
  EXPECT_TRUE(IsWindowsDeviceName(u"AUX:stream"));
  EXPECT_FALSE(IsWindowsDeviceName(u"AUXX:stream"));
  EXPECT_EQ(FindWindowsNameFault(u"a:b"), WindowsNameFault::kNone);
}

}  // namespace
}  // namespace pw
