// Reading back what the writer wrote: every type and view, the reading forms of numbers,
// texts at the tag boundaries, and the open/read split.
#include "repository/repository_reader.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "model/number_text.h"
#include "platform/errors.h"
#include "platform/text.h"
#include "repository/repository_writer.h"
#include "tests/support/error_message.h"
#include "tests/support/items.h"
#include "tests/support/scratch_folder.h"

namespace pw {
namespace {

using test::MakeItem;

class RepositoryReaderTest : public test::ScratchFolderTest {
 protected:
  std::filesystem::path File() const { return dir_ / "fac00000.cre"; }
};

TEST_F(RepositoryReaderTest, EveryTypeAndViewSurvivesWriteAndRead) {
  std::vector<TRepo> items;
  for (const std::u16string type : {u"253", u"254", u"255"}) {
    const std::vector<test::Entry> entries =
        type == u"255"   ? std::vector<test::Entry>{{u"Off", u"0"}, {u"On", u"-16"}}
        : type == u"254" ? std::vector<test::Entry>{{u"Empty", u""}, {u"Путь", u"C:\\data"}}
                         : std::vector<test::Entry>{{u"Half", u"0.5"}, {u"", u"1,5e3"}};
    for (const std::u16string view : {u"1", u"2", u"3", u"4", u"5", u"6"}) {
      items.push_back(MakeItem(u"Item " + type + u"/" + view, u"Line one\r\nLine two\r\n",
                               u"0x1020ABCD", u"42", type, view, u"-100", u"2147483647"));
      items.push_back(MakeItem(u"List " + type + u"/" + view, u"", u"0xFFFFFFFF", u"7", type, view,
                               u"44", u"0", entries));
    }
  }
  EXPECT_EQ(test::WriteAndRead(File(), test::ListOf(items)), items);
}

TEST_F(RepositoryReaderTest, NumberTextsComeBackInTheirReadingForms) {
  struct Case {
    std::u16string uid, key, min, max, entryValue;
    std::u16string readUid, readKey, readMin, readMax, readEntryValue;
  };
  const Case cases[] = {
      {u"0x1234abcd", u"0x10", u"-100", u"0x7fffffff", u"0x10", u"0x1234ABCD", u"16", u"-100",
       u"2147483647", u"16"},
      {u"4096", u"$ff", u"0xFFFFFFFF", u"+5", u" 7", u"0x00001000", u"255", u"-1", u"5", u"7"},
      {u"-1", u"X1f", u"-0x10", u"007", u"-2147483648", u"0xFFFFFFFF", u"31", u"-16", u"7",
       u"-2147483648"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Utf16ToUtf8(c.uid));
    const TRepo written =
        MakeItem(u"n", u"d", c.uid, c.key, u"0xff", u"+1", c.min, c.max, {{u"e", c.entryValue}});
    const TRepo expected = MakeItem(u"n", u"d", c.readUid, c.readKey, u"255", u"1", c.readMin,
                                    c.readMax, {{u"e", c.readEntryValue}});
    EXPECT_EQ(test::WriteAndRead(File(), test::ListOf({written})), std::vector<TRepo>{expected});
  }
}

TEST_F(RepositoryReaderTest, TextsAtTheTagBoundariesReadBackUnchanged) {
  std::u16string emoji;
  for (int i = 0; i < 16; ++i)
    emoji += u"\U0001F642";
  const std::u16string texts[] = {
      u"",
      std::u16string(31, u'L'),
      std::u16string(32, u'L'),
      std::u16string(31, u'Ж'),
      std::u16string(32, u'Ж'),
      std::u16string(31, u'λ'),
      std::u16string(32, u'λ'),
      emoji.substr(1),  // starts with a lone low surrogate: units are kept as they are
      emoji,
      std::u16string(4095, u'z'),
  };
  std::vector<TRepo> items;
  for (const std::u16string& text : texts)
    items.push_back(MakeItem(text, text, u"0x00000001", u"1", u"254", u"1", u"0", u"0",
                             {{text, text}, {u"second", text}}));
  EXPECT_EQ(test::WriteAndRead(File(), test::ListOf(items)), items);
}

TEST_F(RepositoryReaderTest, FullSelectionListSurvives) {
  std::vector<test::Entry> entries;
  for (int j = 1; j <= 45; ++j)
    entries.push_back({u"entry", DecimalText(j)});
  const std::vector<TRepo> items = {
      MakeItem(u"a", u"", u"0x00000001", u"1", u"255", u"1", u"1", u"45", entries),
      MakeItem(u"b", u"", u"0x00000001", u"2", u"255", u"1", u"0", u"0")};
  EXPECT_EQ(test::WriteAndRead(File(), test::ListOf(items)), items);
}

TEST_F(RepositoryReaderTest, EachOpenHandsItsItemsOverOnce) {
  const TRepo item = MakeItem(u"n", u"", u"0x00000001", u"1", u"255", u"1", u"0", u"0");
  WriteRepository(File(), u"12345", test::ListOf({item}));
  RepositoryReader reader;
  test::RecordingSink sink;
  reader.Open(File());
  reader.ReadSettings(sink);
  reader.ReadSettings(sink);
  EXPECT_EQ(sink.items.size(), 1u);
  reader.Open(File());
  reader.ReadSettings(sink);
  EXPECT_EQ(sink.items, (std::vector<TRepo>{item, item}));
}

TEST_F(RepositoryReaderTest, MissingFileRaisesTheOpenError) {
  RepositoryReader reader;
  EXPECT_EQ(test::MessageOf<FileOpenError>([&] { reader.Open(File()); }),
            "Cannot open file \"" + PathText(File()) + "\". " + SystemReason(ENOENT));
}

}  // namespace
}  // namespace pw
