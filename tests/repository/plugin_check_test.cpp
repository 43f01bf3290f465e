// The length a phone takes, counted in UTF-16 code units, in every text an item holds.
#include "repository/plugin_check.h"

#include <gtest/gtest.h>

#include "platform/text.h"
#include "tests/support/items.h"

namespace pw {
namespace {

TEST(PluginCheck, TextsOf1024CodeUnitsPassAnd1025Fail) {
  struct Case {
    const char* field;
    size_t units;
    bool surrogatePairs;  // the text made of pairs, plus one unit when units is odd
  };
  const Case cases[] = {
      {"name", 1024, false},       {"name", 1025, false},        {"description", 1024, true},
      {"description", 1025, true}, {"entry text", 1024, false},  {"entry text", 1025, true},
      {"entry value", 1024, true}, {"entry value", 1025, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.field) + " " + std::to_string(c.units));
    std::u16string text;
    if (c.surrogatePairs) {
      for (size_t i = 0; i < c.units / 2; ++i)
        text += u"\U0001F600";
      text.append(c.units % 2, u'x');
    } else {
      text.assign(c.units, u'Ж');
    }
    ASSERT_EQ(text.size(), c.units);
    const std::string field = c.field;
    TRepo item = test::MakeItem(
        field == "name" ? text : u"n", field == "description" ? text : u"d", u"1", u"2", u"254",
        u"1", u"0", u"9",
        {{field == "entry text" ? text : u"t", field == "entry value" ? text : u"v"}});
    const std::vector<Finding> findings = CheckPluginItems(test::ListOf({item}));
    if (c.units <= kLongestPhoneText) {
      EXPECT_TRUE(findings.empty());
      continue;
    }
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_TRUE(findings[0].error);
    EXPECT_EQ(findings[0].text, "item 1 \"" + Utf16ToUtf8(item.iName) + "\": " + field +
                                    " holds 1025 UTF-16 code units; a phone refuses more than "
                                    "1024");
  }
}

}  // namespace
}  // namespace pw
