// Selector indexes to item fields and back.
#include "model/selector_codes.h"

#include <gtest/gtest.h>

#include "platform/errors.h"

namespace pw {
namespace {

TEST(SelectorCodes, TypeAndViewCodes) {
  EXPECT_EQ(TypeCodeFromIndex(0), u"253");
  EXPECT_EQ(TypeCodeFromIndex(2), u"255");
  EXPECT_EQ(TypeIndexFromCode(u"254"), 1);
  EXPECT_EQ(ViewCodeFromIndex(0), u"1");
  EXPECT_EQ(ViewCodeFromIndex(5), u"6");
  EXPECT_EQ(ViewIndexFromCode(u"4"), 3);
  EXPECT_THROW(ViewIndexFromCode(u"four"), ConversionError);
}

TEST(SelectorCodes, SeparatorRoundTrip) {
  EXPECT_EQ(SeparatorCode(u","), u"44");
  EXPECT_EQ(SeparatorFromCode(u"44"), u",");
  EXPECT_EQ(SeparatorCode(u""), u"0");
  EXPECT_EQ(SeparatorFromCode(u"0"), u"");
  EXPECT_EQ(SeparatorFromCode(u"65580"), u",");  // only the low 16 bits count
}

TEST(SelectorCodes, PathKind) {
  EXPECT_EQ(PathKindCode(1), u"1");
  EXPECT_EQ(PathKindFromCode(u"1"), 1);
}

}  // namespace
}  // namespace pw
