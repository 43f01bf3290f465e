// The repository writer: golden bytes, key order, length tags, failure points and refusals.
#include "repository/repository_writer.h"

#include <gtest/gtest.h>

#include "platform/byte_cursor.h"
#include "platform/errors.h"
#include "platform/text.h"
#include "repository/repository_errors.h"
#include "repository/setting_record.h"
#include "tests/support/error_message.h"
#include "tests/support/file_bytes.h"
#include "tests/support/items.h"
#include "tests/support/scratch_folder.h"

namespace pw {
namespace {

using test::Bytes;
using test::Concat;
using test::Hex;
using test::Le32;
using test::MakeItem;

class RepositoryWriterTest : public test::ScratchFolderTest {
 protected:
  std::filesystem::path File() const { return dir_ / "fac00000.cre"; }
  Bytes Write(const std::vector<TRepo>& items, std::u16string_view setUid = u"00000") {
    WriteRepository(File(), setUid, test::ListOf(items));
    return test::FileBytes(File());
  }
};

uint32_t U32At(const Bytes& bytes, size_t offset) {
  return ByteCursor{std::span<const uint8_t>(bytes).subspan(offset)}.U32();
}

// (key, 'i' or 's') for every index entry, checking each setting record agrees with it.
std::vector<std::pair<int32_t, char>> Settings(const Bytes& file) {
  const uint32_t count = U32At(file, 29);
  const size_t recordsAt = 75 + 30 * count;
  EXPECT_EQ(U32At(file, recordsAt - 4), count);
  ByteCursor records{std::span<const uint8_t>(file).subspan(recordsAt), recordsAt};
  std::vector<std::pair<int32_t, char>> settings;
  for (uint32_t i = 0; i < count; ++i) {
    const SettingRecord record = ReadSettingRecord(records);
    EXPECT_EQ(static_cast<int32_t>(U32At(file, 33 + 30 * i)), record.key);
    settings.emplace_back(record.key, record.number ? 'i' : 's');
  }
  EXPECT_EQ(records.Remaining(), 4u);
  return settings;
}

std::vector<std::pair<int32_t, char>> ItemBlock(int32_t base) {
  std::vector<std::pair<int32_t, char>> keys = {{base, 's'}, {base + 1, 's'}};
  for (int32_t offset = 2; offset <= 8; ++offset)
    keys.emplace_back(base + offset, 'i');
  return keys;
}

TEST_F(RepositoryWriterTest, OneItemFileMatchesGoldenBytes) {
  const Bytes file = Write({MakeItem(u"N", u"D", u"0x12345678", u"3", u"255", u"1", u"0", u"10")});
  const Bytes policy = Hex("22 01 FF FF FF FF FF FF FF");
  const auto indexEntry = [&](uint32_t key) {
    return Concat({Le32(key), Hex("00000000 00000000"), policy, policy});
  };
  const auto integer = [](uint32_t key, uint32_t value) {
    return Concat({Le32(key), Hex("00000000 00"), Le32(value)});
  };
  const auto string1 = [](uint32_t key, char16_t c) {
    return Concat({Le32(key), Hex("00000000 02 0A"), test::Utf16Le(std::u16string(1, c))});
  };
  Bytes index;
  for (uint32_t key : {1, 100, 101, 102, 103, 104, 105, 106, 107, 108})
    index = Concat({index, indexEntry(key)});
  const Bytes expected = Concat(
      {Hex("37 00 00 10 00 00 00 00 E9 2B 20 10 85 69 77 CC 14 00 00 00 01 00 00 C0 FA 16 6A "
           "06 E9 0A 00 00 00"),
       index, Hex("00000000"), policy, policy, Bytes(16, 0), Le32(10), integer(1, 1),
       string1(100, u'N'), string1(101, u'D'), integer(102, 0x12345678), integer(103, 3),
       integer(104, 255), integer(105, 1), integer(106, 0), integer(107, 10), integer(108, 0),
       Hex("00000000")});
  ASSERT_EQ(expected.size(), 507u);
  EXPECT_EQ(file, expected);
}

TEST_F(RepositoryWriterTest, SettingsFollowTheKeySchemeInOrder) {
  const TRepo plain = MakeItem(u"a", u"b", u"1", u"2", u"255", u"1", u"0", u"9");
  const std::vector<test::Entry> three = {{u"x", u"1"}, {u"y", u"2"}, {u"z", u"3"}};
  const auto withEntries = [](std::u16string type, std::vector<test::Entry> entries) {
    return MakeItem(u"a", u"b", u"1", u"2", type, u"1", u"0", u"9", entries);
  };
  struct Case {
    const char* name;
    std::vector<TRepo> items;
    std::vector<std::pair<int32_t, char>> lastBlock;  // the last item's settings
  };
  const auto withTail = [](int32_t base, std::vector<std::pair<int32_t, char>> tail) {
    auto keys = ItemBlock(base);
    keys.insert(keys.end(), tail.begin(), tail.end());
    return keys;
  };
  const Case cases[] = {
      {"no entries", {plain, plain}, ItemBlock(200)},
      {"integer entries",
       {withEntries(u"255", three)},
       withTail(100, {{109, 's'}, {110, 'i'}, {111, 's'}, {112, 'i'}, {113, 's'}, {114, 'i'}})},
      {"string entries",
       {withEntries(u"254", three)},
       withTail(100, {{109, 's'}, {110, 's'}, {111, 's'}, {112, 's'}, {113, 's'}, {114, 's'}})},
      {"real entries as strings",
       {withEntries(u"253", three)},
       withTail(100, {{109, 's'}, {110, 's'}, {111, 's'}, {112, 's'}, {113, 's'}, {114, 's'}})},
      {"third item, two entries",
       {plain, plain, withEntries(u"0xFF", {{u"", u"0"}, {u"", u"1"}})},
       withTail(300, {{309, 's'}, {310, 'i'}, {311, 's'}, {312, 'i'}})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Bytes file = Write(c.items);
    const auto settings = Settings(file);
    ASSERT_EQ(settings.size(), 1 + 9 * (c.items.size() - 1) + c.lastBlock.size());
    EXPECT_EQ(settings.front(), std::make_pair(1, 'i'));
    EXPECT_EQ(U32At(file, 75 + 30 * settings.size() + 9), c.items.size());  // key 1's value
    EXPECT_EQ(std::vector(settings.end() - static_cast<long>(c.lastBlock.size()), settings.end()),
              c.lastBlock);
  }
}

TEST_F(RepositoryWriterTest, StringLengthTagsTakeOneOrTwoBytes) {
  struct Case {
    std::u16string name;
    const char* tag;
  };
  std::u16string surrogates;
  for (int i = 0; i < 16; ++i)
    surrogates += u"\U0001F600";
  const Case cases[] = {
      {u"", "02"},
      {u"Ж", "0A"},
      {std::u16string(31, u'a'), "FA"},
      {std::u16string(32, u'a'), "05 02"},
      {surrogates.substr(2), "F2"},
      {surrogates, "05 02"},
      {std::u16string(4095, u'\u03A9'), "F5 FF"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Utf16ToUtf8(c.name.substr(0, 3)) + " x " + std::to_string(c.name.size()));
    const Bytes file = Write({MakeItem(c.name, u"", u"1", u"1", u"255", u"1", u"0", u"0")});
    const size_t nameRecord = 75 + 30 * 10 + 13;
    const Bytes tag = Hex(c.tag);
    EXPECT_EQ(Bytes(file.begin() + nameRecord + 9, file.begin() + nameRecord + 9 + tag.size()),
              tag);
    const Bytes text = test::Utf16Le(c.name);
    const auto textAt = file.begin() + static_cast<long>(nameRecord + 9 + tag.size());
    EXPECT_EQ(Bytes(textAt, textAt + static_cast<long>(text.size())), text);
    // header, index, key 1, the name, an empty description, seven integers
    EXPECT_EQ(file.size(), 79 + 300 + 13 + (9 + tag.size() + text.size()) + 10 + 7 * 13);
  }
}

TEST_F(RepositoryWriterTest, ConversionFailuresStopAtTheirPoint) {
  const auto item = [](std::u16string uid, std::u16string key, std::u16string max,
                       std::u16string count, std::u16string entryValue) {
    TRepo repo = MakeItem(u"n", u"d", uid, key, u"255", u"1", u"0", max, {{u"e", entryValue}});
    repo.iNumOfCombo = count;
    return repo;
  };
  const TRepo good = item(u"1", u"1", u"1", u"1", u"1");
  struct Case {
    std::u16string setUid;
    std::vector<TRepo> items;
    size_t bytesLeft;
    std::string message;
  };
  const Case cases[] = {
      {u"zz", {good}, 21, "''faczz'' is not a valid integer value"},
      {u"000000", {good}, 21, "''fac000000'' is not a valid integer value"},
      {u" 0000", {good}, 21, "''fac 0000'' is not a valid integer value"},
      {u"00000",
       {item(u"0xZZ", u"1", u"1", u"1", u"1")},
       29,
       "''$ZZ'' is not a valid integer value"},
      {u"00000",
       {item(u"1", u"abc", u"1", u"1", u"1")},
       29,
       "''abc'' is not a valid integer value"},
      {u"00000", {item(u"1", u"1", u"", u"1", u"1")}, 29, "'''' is not a valid integer value"},
      {u"00000",
       {item(u"1", u"1", u"1", u"one", u"1")},
       29,
       "''one'' is not a valid integer value"},
      {u"00000",
       {good, item(u"1", u"1", u"1", u"1", u"1 ")},
       29,
       "''1 '' is not a valid integer value"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    test::WriteFileBytes(File(), Bytes(1000, 0xAA));
    EXPECT_EQ(test::MessageOf<ConversionError>(
                  [&] { WriteRepository(File(), c.setUid, test::ListOf(c.items)); }),
              c.message);
    const Bytes file = test::FileBytes(File());
    EXPECT_EQ(file.size(), c.bytesLeft);
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 16),
              Hex("37 00 00 10 00 00 00 00 E9 2B 20 10 85 69 77 CC"));
  }
}

TEST_F(RepositoryWriterTest, RefusesWhatTheLayoutCannotHoldBeforeWriting) {
  const auto item = [](std::u16string name, std::u16string type, std::vector<test::Entry> entries) {
    return MakeItem(name, u"d", u"1", u"1", type, u"1", u"0", u"0", entries);
  };
  const TRepo good = item(u"Fine", u"254", {{u"a", u"b"}});
  const std::u16string tooLong(4096, u'q');
  TRepo miscounted = item(u"Odd", u"255", {{u"a", u"1"}});
  miscounted.iNumOfCombo.assign(1, u'2');  // one entry, count text 2
  TRepo longDescription = good;
  longDescription.iDescription = tooLong;
  struct Case {
    std::vector<TRepo> items;
    std::string message;
  };
  const Case cases[] = {
      {{good, item(u"Big", u"255", std::vector<test::Entry>(46, {u"t", u"1"}))},
       "Cannot save item 2 \"Big\": it has 46 selection entries, at most 45 fit"},
      {{item(tooLong, u"255", {})},
       "Cannot save item 1 \"" + std::string(40, 'q') +
           "...\": its name has 4096 characters, at most 4095 fit"},
      {{good, good, longDescription},
       "Cannot save item 3 \"Fine\": its description has 4096 characters, at most 4095 fit"},
      {{item(u"Т", u"255", {{u"a", u"1"}, {tooLong, u"2"}})},
       "Cannot save item 1 \"Т\": the text of entry 2 has 4096 characters, at most 4095 fit"},
      {{item(u"S", u"254", {{u"a", tooLong}})},
       "Cannot save item 1 \"S\": the value of entry 1 has 4096 characters, at most 4095 fit"},
      {{item(u"R", u"253", {{u"a", tooLong}})},
       "Cannot save item 1 \"R\": the value of entry 1 has 4096 characters, at most 4095 fit"},
      {{miscounted},
       "Cannot save item 1 \"Odd\": its entry count \"2\" does not match its 1 selection entries"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    test::WriteFileBytes(File(), Hex("0102"));
    EXPECT_EQ(test::MessageOf<SaveRefusedError>(
                  [&] { WriteRepository(File(), u"00000", test::ListOf(c.items)); }),
              c.message);
    EXPECT_EQ(test::FileBytes(File()), Hex("0102"));
  }
}

TEST_F(RepositoryWriterTest, UncreatableFileRaisesTheCreateError) {
  const auto path = dir_ / "missing" / "fac00000.cre";
  const std::string message =
      test::MessageOf<FileCreateError>([&] { WriteRepository(path, u"00000", test::ListOf({})); });
  EXPECT_EQ(message.rfind("Cannot create file \"" + PathText(path) + "\". ", 0), 0u) << message;
}

}  // namespace
}  // namespace pw
