// Files not written by us: every fault is refused at Open with the offset it lies at, and
// no damaged file hands over any item.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <variant>

#include "model/number_text.h"
#include "platform/text.h"
#include "repository/repository_errors.h"
#include "repository/repository_reader.h"
#include "repository/repository_writer.h"
#include "tests/support/file_bytes.h"
#include "tests/support/items.h"
#include "tests/support/scratch_folder.h"

namespace pw {
namespace {

using test::Bytes;
using test::Concat;
using test::Le32;

struct Record {
  int32_t key;
  Bytes body;  // type byte and value
};

Record Int(int32_t key, int32_t value) {
  return {key, Concat({{0x00}, Le32(static_cast<uint32_t>(value))})};
}

Record Str(int32_t key, std::u16string_view text) {
  return {key, Concat({{0x02, static_cast<uint8_t>(8 * text.size() + 2)}, test::Utf16Le(text)})};
}

Record Raw(int32_t key, Bytes body) {
  return {key, std::move(body)};
}

std::vector<Record> Fields(int32_t base, int32_t count) {
  return {Str(base, u"n"),  Str(base + 1, u"d"), Int(base + 2, 1),
          Int(base + 3, 2), Int(base + 4, 255),  Int(base + 5, 1),
          Int(base + 6, 0), Int(base + 7, 9),    Int(base + 8, count)};
}

std::vector<Record> Join(std::initializer_list<std::vector<Record>> parts) {
  std::vector<Record> all;
  for (const auto& part : parts)
    all.insert(all.end(), part.begin(), part.end());
  return all;
}

struct BuiltFile {
  Bytes bytes;
  std::vector<uint64_t> recordOffsets;
};

// The layout of a repository file around the given records, laid out by hand.
BuiltFile Build(const std::vector<Record>& records, std::optional<int32_t> count = std::nullopt) {
  const auto n = static_cast<uint32_t>(records.size());
  const Bytes policy = test::Hex("22 01 FF FF FF FF FF FF FF");
  BuiltFile file;
  file.bytes =
      Concat({test::Hex("37000010 00000000 E92B2010 856977CC 14000000 01 0000C0FA 166A06E9"),
              Le32(static_cast<uint32_t>(count.value_or(static_cast<int32_t>(n))))});
  for (const Record& record : records)
    file.bytes =
        Concat({file.bytes, Le32(static_cast<uint32_t>(record.key)), Bytes(8, 0), policy, policy});
  file.bytes = Concat({file.bytes, Bytes(4, 0), policy, policy, Bytes(16, 0), Le32(n)});
  for (const Record& record : records) {
    file.recordOffsets.push_back(file.bytes.size());
    file.bytes =
        Concat({file.bytes, Le32(static_cast<uint32_t>(record.key)), Bytes(4, 0), record.body});
  }
  file.bytes = Concat({file.bytes, Bytes(4, 0)});
  return file;
}

class MalformedRepositoryTest : public test::ScratchFolderTest {
 protected:
  std::filesystem::path File() const { return dir_ / "fac00000.cre"; }

  // The items a file gives, or the error Open raised.
  std::variant<std::vector<TRepo>, RepositoryFileError> Read(const Bytes& bytes) {
    test::WriteFileBytes(File(), bytes);
    RepositoryReader reader;
    test::RecordingSink sink;
    try {
      reader.Open(File());
    } catch (const RepositoryFileError& error) {
      reader.ReadSettings(sink);
      EXPECT_TRUE(sink.items.empty());
      return error;
    }
    reader.ReadSettings(sink);
    return sink.items;
  }
};

TEST_F(MalformedRepositoryTest, FaultsAreRefusedNamingTheirOffset) {
  struct Case {
    const char* problem;
    std::vector<Record> records;
    size_t badRecord;       // index of the record at fault
    size_t offsetInRecord;  // 0 key, 8 type, 9 length tag or value
    std::optional<int32_t> count = std::nullopt;
    size_t cutBytes = 0;  // bytes taken off the end of the file
  };
  const std::vector<Record> item = Fields(100, 1);
  const Case cases[] = {
      {"setting type 1, neither integer (0) nor string (2)", Join({{Raw(100, {0x01, 0, 0, 0, 0})}}),
       0, 8},
      {"setting type 255, neither integer (0) nor string (2)",
       Join({{Int(1, 1)}, Fields(100, 0), {Raw(200, {0xFF})}}), 10, 8},
      {"a four-byte length tag, longer than any text of a plugin",
       Join({{Raw(100, {0x02, 0x03, 0, 0, 0})}}), 0, 9},
      {"a text of 3 bytes, not UTF-16", Join({{Raw(100, {0x02, 0x0E, 'a', 0, 'b'})}}), 0, 9},
      {"the file ends inside the 4000 bytes expected here",
       Join({Fields(100, 0), {Raw(200, {0x02, 0x05, 0x7D})}}), 9, 11},
      {"the file ends inside the 4 bytes expected here", Join({Fields(100, 0)}), 8, 9, std::nullopt,
       5},
      {"key 50 belongs to no item", Join({{Int(1, 1), Int(50, 0)}, item}), 1, 0},
      {"key 2 belongs to no item", Join({{Int(2, 0)}, item}), 0, 0},
      {"a selection entry text outside its item's entries",
       Join({std::vector(item.begin(), item.end() - 1), {Str(109, u"t")}}), 8, 0},
      {"a selection entry text outside its item's entries",
       Join({item, {Str(109, u"t"), Int(110, 1), Str(111, u"t"), Int(112, 2)}}), 11, 0},
      {"a selection entry value without its text", Join({item, {Int(110, 1)}}), 9, 0},
      {"entry count -1 outside 0 to 45", Fields(100, -1), 8, 0},
      {"entry count 46 outside 0 to 45", Fields(100, 46), 8, 0},
      {"an entry count held as a string",
       Join({std::vector(item.begin(), item.end() - 1), {Str(108, u"1")}}), 8, 0},
      {"a UID held as a string", Join({{Str(100, u"n"), Str(101, u""), Str(102, u"0x1")}}), 2, 0},
      {"an entry count before the other fields of its item",
       Join({Fields(100, 0), {Str(200, u"n"), Int(208, 0)}}), 10, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.problem);
    BuiltFile file = Build(c.records, c.count);
    file.bytes.resize(file.bytes.size() - c.cutBytes);
    const auto result = Read(file.bytes);
    ASSERT_TRUE(std::holds_alternative<RepositoryFileError>(result));
    const auto& error = std::get<RepositoryFileError>(result);
    const uint64_t offset = file.recordOffsets[c.badRecord] + c.offsetInRecord;
    EXPECT_EQ(error.Offset(), offset);
    EXPECT_EQ(std::string(error.what()), "Damaged repository file \"" + PathText(File()) +
                                             "\": " + c.problem + " (offset " +
                                             std::to_string(offset) + ")");
  }
}

TEST_F(MalformedRepositoryTest, CountsThatDoNotFitTheFileAreRefusedAtTheirOffset) {
  struct Case {
    Bytes bytes;
    uint64_t offset;
    const char* problem;
  };
  const Bytes valid = Build(Fields(100, 0)).bytes;
  const Case cases[] = {
      {Build(Fields(100, 0), -1).bytes, 29, "record count -1 does not fit the file's 464 bytes"},
      {Build(Fields(100, 0), 10).bytes, 29, "record count 10 does not fit the file's 464 bytes"},
      {Build(Fields(100, 0), 0x7FFFFFFF).bytes, 29,
       "record count 2147483647 does not fit the file's 464 bytes"},
      {Bytes(valid.begin(), valid.begin() + 31), 29,
       "the file ends inside the 4 bytes expected here"},
      {Bytes(), 0, "the file ends inside the 21 bytes expected here"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.problem);
    const auto result = Read(c.bytes);
    ASSERT_TRUE(std::holds_alternative<RepositoryFileError>(result));
    EXPECT_EQ(std::get<RepositoryFileError>(result).Offset(), c.offset);
    EXPECT_NE(std::string(std::get<RepositoryFileError>(result).what()).find(c.problem),
              std::string::npos);
  }
}

TEST_F(MalformedRepositoryTest, KeysOfOneOrLessGiveNothingWhereverTheyStand) {
  const std::vector<Record> nothing = {Int(0, 7), Str(-100, u"x"), Int(INT32_MIN, 1), Int(1, 9)};
  std::vector<Record> listed = Fields(200, 1);
  listed.insert(listed.begin() + 4, nothing.begin(), nothing.end());
  const auto result = Read(Build(Join({nothing,
                                       Fields(100, 0),
                                       nothing,
                                       listed,
                                       {Str(209, u"t")},
                                       nothing,
                                       {Int(210, 5)},
                                       nothing}))
                               .bytes);
  ASSERT_TRUE(std::holds_alternative<std::vector<TRepo>>(result));
  const TRepo plain = test::MakeItem(u"n", u"d", u"0x00000001", u"2", u"255", u"1", u"0", u"9");
  const TRepo withEntry =
      test::MakeItem(u"n", u"d", u"0x00000001", u"2", u"255", u"1", u"0", u"9", {{u"t", u"5"}});
  EXPECT_EQ(std::get<std::vector<TRepo>>(result), (std::vector<TRepo>{plain, withEntry}));
}

TEST_F(MalformedRepositoryTest, RealItemWithoutEntryValuesIsSkippedAndItsNeighboursKept) {
  // Earlier writers stored no values for the entries of Real items.
  std::vector<Record> real = Fields(200, 2);
  real[4] = Int(204, 253);
  const auto result = Read(Build(Join({{Int(1, 3)},
                                       Fields(100, 0),
                                       real,
                                       {Str(209, u"a"), Str(211, u"b")},
                                       Fields(300, 0)}))
                               .bytes);
  ASSERT_TRUE(std::holds_alternative<std::vector<TRepo>>(result));
  const auto& items = std::get<std::vector<TRepo>>(result);
  const TRepo plain = test::MakeItem(u"n", u"d", u"0x00000001", u"2", u"255", u"1", u"0", u"9");
  EXPECT_EQ(items, (std::vector<TRepo>{plain, plain}));
}

TEST_F(MalformedRepositoryTest, CutOrCorruptedFilesNeverGiveIncompleteItems) {
  const auto written = dir_ / "written.cre";
  WriteRepository(written, u"00000",
                  test::ListOf({test::MakeItem(u"a", u"b", u"1", u"2", u"255", u"1", u"0", u"9",
                                               {{u"x", u"1"}, {u"y", u"2"}}),
                                test::MakeItem(u"Путь", u"", u"1", u"2", u"254", u"3", u"0", u"0",
                                               {{u"x", u"y"}})}));
  const Bytes valid = test::FileBytes(written);
  const auto check = [&](const Bytes& bytes) {
    const auto result = Read(bytes);
    if (const auto* items = std::get_if<std::vector<TRepo>>(&result)) {
      for (const TRepo& item : *items)
        EXPECT_EQ(DecimalText(static_cast<int64_t>(item.iComboElements.size())), item.iNumOfCombo);
    }
  };
  for (size_t size = 0; size < valid.size(); ++size)
    check(Bytes(valid.begin(), valid.begin() + static_cast<long>(size)));
  for (size_t at = 0; at < valid.size(); ++at) {
    for (uint8_t value : {0x00, 0x03, 0x80, 0xFF}) {
      Bytes corrupted = valid;
      corrupted[at] = value;
      check(corrupted);
    }
  }
}

}  // namespace
}  // namespace pw
