// The code pages on Windows: the system's own, converted by WideCharToMultiByte and
// MultiByteToWideChar, without best fit.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/code_pages.h"

namespace pw {
namespace {

TEST(Win32CodePages, AreTheSystemsOwn) {
  EXPECT_EQ(AnsiCodePage(), static_cast<int>(GetACP()));
  EXPECT_EQ(OemCodePage(), static_cast<int>(GetOEMCP()));
}

// A Western system, as Wine's default locale and most of the plugin authors' PCs are.
class WesternCodePages : public ::testing::Test {
 protected:
  void SetUp() override {
    if (GetACP() != 1252 || GetOEMCP() != 437)
      GTEST_SKIP() << "needs ANSI 1252 and OEM 437, the system has " << GetACP() << " and "
                   << GetOEMCP();
  }
};

TEST_F(WesternCodePages, NamesThroughBothCodePages) {
  struct Case {
    const char* label;
    std::u16string name;
    std::string ansi;
    std::string oem;  // AnsiToOemBytes(ansi)
  };
  const Case cases[] = {
      {"ASCII", u"my_tweak.plg", "my_tweak.plg", "my_tweak.plg"},
      {"Windows-1252 and CP437", u"caf\u00E9 \u00FC\u00F1.plg", "caf\xE9 \xFC\xF1.plg",
       "caf\x82 \x81\xA4.plg"},
      // Best fit would give "A" and "E"; a name must not turn into another.
      {"Windows-1252 only", u"\u00C0\u20AC\u00C8.plg", "\xC0\x80\xC8.plg", "???.plg"},
      // The ANSI code page lacks them: the archive stores such names as UTF-8.
      {"CP437 only", u"\u03B1\u0393\u2554\u2550\u2557", "?????", "?????"},
      {"neither", u"\u0416\u0443\u043A", "???", "???"},
      // Best fit would give "a" and the separators "/" and "\"; a name must stay one name.
      {"look-alikes", u"\u0251\uFF0F\uFF3C\u2215", "????", "????"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(Utf16ToAnsi(c.name), c.ansi);
    EXPECT_EQ(AnsiToOemBytes(c.ansi), c.oem);
    if (c.ansi.find('?') == std::string::npos) {
      EXPECT_EQ(AnsiToUtf16(c.ansi), c.name);
    }
  }
}

TEST_F(WesternCodePages, OemLettersKeepTheirCharacters) {
  EXPECT_EQ(OemToUtf16("\xE0\xE2\xC9\xCD\xBB"), u"\u03B1\u0393\u2554\u2550\u2557");
  EXPECT_EQ(OemToUtf16("caf\x82"), u"caf\u00E9");
  // The bytes Windows-1252 leaves undefined read as the characters of the same number.
  EXPECT_EQ(AnsiToUtf16("\x81\x8D\x8F\x90\x9D"), u"\u0081\u008D\u008F\u0090\u009D");
}

TEST_F(WesternCodePages, CharactersBeyondTheBasicPlaneBecomeQuestionMarksOnly) {
  const std::string ansi = Utf16ToAnsi(u"a\U0001F600b");
  ASSERT_GE(ansi.size(), 3u);
  EXPECT_EQ(ansi.front(), 'a');
  EXPECT_EQ(ansi.back(), 'b');
  EXPECT_TRUE(std::all_of(ansi.begin() + 1, ansi.end() - 1, [](char c) { return c == '?'; }));
}

}  // namespace
}  // namespace pw
