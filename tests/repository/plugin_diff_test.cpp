// Comparing plugins: which items count as moved, how items pair up, where removals are read,
// and which texts compare by value.
#include "repository/plugin_diff.h"

#include <gtest/gtest.h>

#include "tests/support/items.h"

namespace pw {
namespace {

TRepo Item(std::u16string name, std::u16string key, std::u16string type = u"255",
           const std::vector<test::Entry>& entries = {}) {
  return test::MakeItem(std::move(name), u"", u"0x101F876E", std::move(key), std::move(type), u"1",
                        u"0", u"9", entries);
}

// Each change as "<from>><to> <name>[ moved][ fields...]".
std::vector<std::string> Summary(const std::vector<TRepo>& a, const std::vector<TRepo>& b) {
  const RepoItems listA = test::ListOf(a), listB = test::ListOf(b);
  const PluginDiff diff = DiffPlugins({}, listA, {}, listB);
  std::vector<std::string> lines;
  for (const ItemChange& change : diff.items) {
    const TRepo& item = change.b ? *change.b : *change.a;
    std::string line = std::to_string(change.from) + ">" + std::to_string(change.to) + " " +
                       std::string(item.iName.begin(), item.iName.end());
    if (change.moved)
      line += " moved";
    for (const FieldChange& field : change.fields)
      line += " " + field.field;
    lines.push_back(line);
  }
  return lines;
}

TEST(PluginDiff, TheFewestItemsAreMoved) {
  const TRepo a = Item(u"a", u"1"), b = Item(u"b", u"2"), c = Item(u"c", u"3"),
              d = Item(u"d", u"4");
  EXPECT_EQ(Summary({a, b, c, d}, {d, a, b, c}), (std::vector<std::string>{"4>1 d moved"}));
  EXPECT_EQ(Summary({a, b, c, d}, {b, a, d, c}),
            (std::vector<std::string>{"2>1 b moved", "4>3 d moved"}));
  EXPECT_TRUE(Summary({a, b}, {a, b}).empty());
}

TEST(PluginDiff, ItemsOnOneSettingPairUpInTheirOrder) {
  const TRepo first = Item(u"first", u"2"), second = Item(u"second", u"2");
  TRepo renamed = second;
  renamed.iName = u"renamed";
  EXPECT_EQ(Summary({first, second}, {first, renamed}),
            (std::vector<std::string>{"2>2 renamed name"}));
  EXPECT_EQ(Summary({first, second}, {first}), (std::vector<std::string>{"2>0 second"}));
}

TEST(PluginDiff, RemovalsComeWhereTheyStoodBeforeAdditionsThere) {
  const TRepo a = Item(u"a", u"1"), b = Item(u"b", u"2"), c = Item(u"c", u"3"),
              d = Item(u"d", u"4"), e = Item(u"e", u"5");
  EXPECT_EQ(Summary({a, b, c, d}, {a, e, d}),
            (std::vector<std::string>{"2>0 b", "3>0 c", "0>2 e"}));
  EXPECT_EQ(Summary({a, b}, {e, b}), (std::vector<std::string>{"1>0 a", "0>1 e"}));
}

TEST(PluginDiff, NumbersCompareByValueAndOtherTextsExactly) {
  TRepo numbers = Item(u"n", u"16", u"255", {{u"On", u"1"}});
  TRepo sameValues = Item(u"n", u"0x10", u"0xFF", {{u"On", u"0x1"}});
  sameValues.iMaxValue = u"$9";
  EXPECT_TRUE(Summary({numbers}, {sameValues}).empty());
  const RepoItems text = test::ListOf({Item(u"n", u"16", u"254", {{u"On", u"1"}})});
  const RepoItems otherText = test::ListOf({Item(u"n", u"16", u"254", {{u"On", u"0x1"}})});
  const PluginDiff strings = DiffPlugins({}, text, {}, otherText);
  ASSERT_EQ(strings.items.size(), 1u);
  ASSERT_EQ(strings.items[0].entries.size(), 1u);
  EXPECT_FALSE(strings.items[0].entries[0].textDiffers);
  EXPECT_TRUE(strings.items[0].entries[0].valueDiffers);
  TRepo notNumbers = numbers;
  notNumbers.iMinValue = u"abc";
  TRepo otherCase = notNumbers;
  otherCase.iMinValue = u"ABC";
  EXPECT_TRUE(Summary({notNumbers}, {notNumbers}).empty());
  EXPECT_EQ(Summary({notNumbers}, {otherCase}), (std::vector<std::string>{"1>1 n min"}));
}

TEST(PluginDiff, DescriptionsCompareAsTheDescriptorKeepsThem) {
  PluginFieldTexts a, b;
  a.setDescr = u"one\r\ntwo";
  b.setDescr = u"onetwo";
  EXPECT_TRUE(DiffPlugins(a, {}, b, {}).Same());
  b.setDescr = u"one\ntwo";
  const PluginDiff diff = DiffPlugins(a, {}, b, {});
  ASSERT_EQ(diff.fields.size(), 1u);
  EXPECT_EQ(diff.fields[0].field, "description");
  b = a;
  b.pluginName = u"other";
  EXPECT_EQ(DiffPlugins(a, {}, b, {}).fields[0].field, "file");
}

}  // namespace
}  // namespace pw
