// The directory's name index: lookup without ASCII case, the naming rule, removal.
#include "archive/dir_array.h"

#include <gtest/gtest.h>

#include "archive/ezf_exception.h"

namespace pw {
namespace {

TZFDirArray Named(std::initializer_list<std::u16string> names) {
  TZFDirArray dir;
  for (const std::u16string& name : names) {
    dir.Add();
    dir.SetItemName(dir.Count() - 1, name);
  }
  return dir;
}

TEST(DirArray, FindsNamesWithoutAsciiCase) {
  const TZFDirArray dir = Named({u"My_Tweak.PLG", u"\u0416.cre"});
  int found = -1;
  EXPECT_TRUE(dir.FileExists(u"my_tweak.plg", found));
  EXPECT_EQ(found, 0);
  EXPECT_TRUE(dir.FileExists(u"\u0416.CRE", found));
  EXPECT_EQ(found, 1);
  // Only A to Z fold: the Cyrillic capital and small letters are different names.
  EXPECT_FALSE(dir.FileExists(u"\u0436.cre", found));
  EXPECT_EQ(found, 1);
}

TEST(DirArray, RenamingKeepsTheIndexInStep) {
  TZFDirArray dir = Named({u"a.txt", u"b.txt"});
  dir.SetItemName(0, u"c.txt");
  EXPECT_FALSE(dir.Find(u"a.txt"));
  EXPECT_EQ(dir.Find(u"C.TXT"), 0u);
  dir.Delete(0);
  EXPECT_EQ(dir.Find(u"b.txt"), 0u);
  EXPECT_FALSE(dir.Find(u"c.txt"));
}

TEST(DirArray, SharedKeysYieldTheLastIndexedAndClashesRaise59) {
  // A second entry may take a name already indexed; lookups then find it.
  TZFDirArray dir = Named({u"same.txt", u"SAME.txt"});
  EXPECT_EQ(dir.Find(u"same.txt"), 1u);
  // An empty name indexed for entry 0 clashes with the next new entry, whose previous
  // (empty) name is then indexed elsewhere.
  TZFDirArray withEmpty = Named({u""});
  withEmpty.Add();
  try {
    withEmpty.SetItemName(1, u"next.txt");
    FAIL();
  } catch (const EZFException& error) {
    EXPECT_EQ(error.NativeError, 59);
    EXPECT_STREQ(error.what(), "Hashed list of file names is invalid - Native error: 00059");
  }
  EXPECT_EQ(withEmpty[1].Name, u"");
}

}  // namespace
}  // namespace pw
