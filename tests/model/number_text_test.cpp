// Number text: the accepted forms, the range limits and the exact failure messages.
#include "model/number_text.h"

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "tests/support/error_message.h"

namespace pw {
namespace {

struct Case {
  std::u16string text;
  int64_t value;
};

TEST(NumberText, Reads32BitForms) {
  const Case cases[] = {
      {u"0x1F", 31},
      {u"0X1F", 31},
      {u"$1F", 31},
      {u"x1F", 31},
      {u"X1f", 31},
      {u" 31", 31},
      {u"  -7", -7},
      {u"+7", 7},
      {u"0xFFFFFFFF", -1},
      {u"-0x10", -16},
      {u"-2147483648", INT32_MIN},
      {u"2147483647", INT32_MAX},
      {u"0x80000000", INT32_MIN},
      {u"-0x80000000", INT32_MIN},
      {u"-0xFFFFFFFF", 1},
      {u"0x0000000010", 16},
      {u"007", 7},
      {u"0", 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadNumberText(c.text), c.value) << std::string(c.text.begin(), c.text.end());
  }
}

TEST(NumberText, Refuses32BitTextsNamingTheWholeText) {
  const std::pair<std::u16string, std::string> cases[] = {
      {u"31 ", "''31 '' is not a valid integer value"},
      {u"", "'''' is not a valid integer value"},
      {u"   ", "''   '' is not a valid integer value"},
      {u"0x100000000", "''0x100000000'' is not a valid integer value"},
      {u"2147483648", "''2147483648'' is not a valid integer value"},
      {u"-2147483649", "''-2147483649'' is not a valid integer value"},
      {u"0x", "''0x'' is not a valid integer value"},
      {u"-", "''-'' is not a valid integer value"},
      {u"--1", "''--1'' is not a valid integer value"},
      {u"1e3", "''1e3'' is not a valid integer value"},
      {u"\u0661", "''\u0661'' is not a valid integer value"},
  };
  for (const auto& [text, message] : cases)
    EXPECT_EQ(test::MessageOf<ConversionError>([&] { ReadNumberText(text); }), message);
}

TEST(NumberText, Reads64BitLimits) {
  EXPECT_EQ(ReadNumberText64(u"4294967295"), 4294967295LL);
  EXPECT_EQ(ReadNumberText64(u"0xFFFFFFFF"), 4294967295LL);
  EXPECT_EQ(ReadNumberText64(u"0xFFFFFFFFFFFFFFFF"), -1);
  EXPECT_EQ(ReadNumberText64(u"-9223372036854775808"), INT64_MIN);
  EXPECT_EQ(ReadNumberText64(u"9223372036854775807"), INT64_MAX);
  EXPECT_THROW(ReadNumberText64(u"9223372036854775808"), ConversionError);
  EXPECT_THROW(ReadNumberText64(u"0x10000000000000000"), ConversionError);
  EXPECT_THROW(ReadNumberText64(u""), ConversionError);
}

TEST(HexOrDecToInt, ReadsLikeThePlainSyntaxButNamesTheDollarForm) {
  EXPECT_EQ(HexOrDecToInt(u"0xff"), 255);
  EXPECT_EQ(HexOrDecToInt(u"0XFF"), 255);
  EXPECT_EQ(HexOrDecToInt(u"0x7fffffff"), INT32_MAX);
  EXPECT_EQ(HexOrDecToInt(u"-100"), -100);
  const std::pair<std::u16string, std::string> cases[] = {
      {u"0x", "''$'' is not a valid integer value"},
      {u"0xZZ", "''$ZZ'' is not a valid integer value"},
      {u"0XZZ", "''0XZZ'' is not a valid integer value"},
      {u"abc", "''abc'' is not a valid integer value"},
  };
  for (const auto& [text, message] : cases)
    EXPECT_EQ(test::MessageOf<ConversionError>([&] { HexOrDecToInt(text); }), message);
}

TEST(NumberText, WritesPlainDecimal) {
  EXPECT_EQ(DecimalText(0), u"0");
  EXPECT_EQ(DecimalText(17), u"17");
  EXPECT_EQ(DecimalText(-2147483648LL), u"-2147483648");
  EXPECT_EQ(DecimalText(ReadNumberText(u"0x10") + 1), u"17");
}

}  // namespace
}  // namespace pw
