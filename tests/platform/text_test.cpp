// UTF-8 and UTF-16 conversions, including surrogates and malformed input.
#include "platform/text.h"

#include <gtest/gtest.h>

#include "platform/errors.h"

namespace pw {
namespace {

TEST(Text, RoundTripsEveryPlane) {
  const std::u16string text = u"Aé\u0445\u4E2D\U0001F600";
  EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(text)), text);
  EXPECT_EQ(Utf16ToUtf8(u"\u0445"), "\xD1\x85");
}

TEST(Text, MalformedInputBecomesReplacementCharacters) {
  EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");
  EXPECT_EQ(Utf8ToUtf16("a\xE2\x82"), u"a\uFFFD");
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

TEST(Text, PathsFromAndToUtf8AndUtf16) {
  const std::string utf8 = "\xD0\x96\xD1\x83\xD0\xBA caf\xC3\xA9 \xF0\x9F\x98\x80.qvx";
  const std::filesystem::path path = PathFromUtf8(utf8);
  EXPECT_EQ(PathToUtf8(path), utf8);
  EXPECT_EQ(PathToUtf16(path), u"\u0416\u0443\u043A caf\u00E9 \U0001F600.qvx");
  EXPECT_EQ(PathFromUtf16(u"\u0416\u0443\u043A caf\u00E9 \U0001F600.qvx"), path);
#ifdef _WIN32
  // Not the ANSI code page, which path(std::string) would read the bytes in.
  EXPECT_EQ(path.native(), L"\u0416\u0443\u043A caf\u00E9 \U0001F600.qvx");
#endif
}

// A name from an archive may hold an unpaired surrogate: the file is made with U+FFFD in its
// place. A name the system lists may hold one all the same; its text never throws.
TEST(Text, AnUnpairedSurrogateInAPathNeverThrows) {
  const std::u16string name = u"a" + std::u16string(1, char16_t{0xD800}) + u"b.plg";
  EXPECT_EQ(PathToUtf16(PathFromUtf16(name)), u"a\uFFFDb.plg");
  EXPECT_EQ(PathText(PathFromUtf16(name)), "a\uFFFDb.plg");
#ifdef _WIN32
  const std::filesystem::path listed(std::wstring(name.begin(), name.end()));
  EXPECT_EQ(PathToUtf8(listed), "a\uFFFDb.plg");
  EXPECT_EQ(PathText(listed), "a\uFFFDb.plg");
  EXPECT_EQ(PathToUtf16(listed), name);
#else
  // Bytes that are not UTF-8 are a name POSIX allows.
  EXPECT_EQ(PathToUtf16(std::filesystem::path("a\xFF.b")), u"a\uFFFD.b");
#endif
}

}  // namespace
}  // namespace pw
