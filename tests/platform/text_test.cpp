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

// A name from an archive may hold an unpaired surrogate: Windows keeps it in the path, and its
// text for messages and output has U+FFFD there instead of an exception.
TEST(Text, AnUnpairedSurrogateInAPathNeverThrows) {
  const std::u16string name = u"a" + std::u16string(1, char16_t{0xD800}) + u"b.plg";
  const std::filesystem::path path = PathFromUtf16(name);
  EXPECT_EQ(PathToUtf8(path), "a\uFFFDb.plg");
  EXPECT_EQ(PathText(path), "a\uFFFDb.plg");
#ifdef _WIN32
  EXPECT_EQ(PathToUtf16(path), name);
#else
  EXPECT_EQ(PathToUtf16(path), u"a\uFFFDb.plg");
  // Bytes that are not UTF-8 are a name POSIX allows.
  EXPECT_EQ(PathToUtf16(std::filesystem::path("a\xFF.b")), u"a\uFFFD.b");
#endif
}

}  // namespace
}  // namespace pw
