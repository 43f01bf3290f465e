// The item list operations and the list-box line.
#include "model/repo_items.h"

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "tests/support/error_message.h"

namespace pw {
namespace {

TRepo Named(std::u16string name) {
  TRepo item;
  item.iName = std::move(name);
  return item;
}

TEST(RepoListLine, JoinsKeyNameAndQuotedDescription) {
  TRepo item;
  item.iKey = u"3";
  item.iName = u"Speed";
  item.iDescription = u"Fast";
  EXPECT_EQ(RepoListLine(item), u"[ 3 ] Speed  \"Fast\"");
  EXPECT_EQ(RepoListLine(item).size(), 19u);
}

TEST(RepoItems, RemoveExchangeAndReplaceKeepOrder) {
  RepoItems items;
  for (auto name : {u"a", u"b", u"c"})
    items.Append(Named(name));
  items.RemoveAt(0);
  ASSERT_EQ(items.Count(), 2u);
  EXPECT_EQ(items.At(0).iName, u"b");
  EXPECT_EQ(items.At(1).iName, u"c");
  items.Exchange(0, 1);
  EXPECT_EQ(items.At(0).iName, u"c");
  items.Replace(1, Named(u"z"));
  EXPECT_EQ(items.At(1).iName, u"z");
  items.Clear();
  EXPECT_TRUE(items.Empty());
}

TEST(RepoItems, RecordsAreIndependentCopies) {
  RepoItems items;
  TRepo item = Named(u"a");
  item.iComboElements.push_back({u"one", u"1"});
  items.Append(item);
  item.iComboElements[0].iValue = u"2";
  EXPECT_EQ(items.At(0).iComboElements[0].iValue, u"1");
}

TEST(RepoItems, OutOfRangePositionsRaiseTheListIndexError) {
  RepoItems items;
  items.Append(Named(u"a"));
  EXPECT_EQ(test::MessageOf<ListIndexError>([&] { items.At(3); }), "List index out of bounds (3)");
  EXPECT_THROW(items.RemoveAt(1), ListIndexError);
  EXPECT_THROW(items.Exchange(0, 1), ListIndexError);
}

}  // namespace
}  // namespace pw
