// UTF-8 and UTF-16 conversions, including surrogates and malformed input.
#include "platform/text.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace pw
