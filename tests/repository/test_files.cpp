// Scratch folders, byte helpers and item builders for the repository tests.
#include "test_files.h"

#include <fstream>
#include <iterator>

#include "repository/repository_reader.h"
#include "repository/repository_writer.h"

namespace pw::test {

void ScratchFolderTest::SetUp() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string("pw_repo_") + info->test_suite_name() + "_" + info->name();
  for (char& c : name)
    if (c == '/')
      c = '_';
  dir_ = std::filesystem::temp_directory_path() / name;
  std::filesystem::remove_all(dir_);
  std::filesystem::create_directories(dir_);
}

void ScratchFolderTest::TearDown() {
  std::filesystem::remove_all(dir_);
}

Bytes FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteFileBytes(const std::filesystem::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

Bytes Hex(std::string_view digits) {
  Bytes bytes;
  std::string pair;
  for (char c : digits) {
    if (c == ' ')
      continue;
    pair.push_back(c);
    if (pair.size() == 2) {
      bytes.push_back(static_cast<uint8_t>(std::stoul(pair, nullptr, 16)));
      pair.clear();
    }
  }
  return bytes;
}

Bytes Le32(uint32_t value) {
  return {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
          static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
}

Bytes Utf16Le(std::u16string_view text) {
  Bytes bytes;
  for (char16_t unit : text) {
    bytes.push_back(static_cast<uint8_t>(unit));
    bytes.push_back(static_cast<uint8_t>(unit >> 8));
  }
  return bytes;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts)
    all.insert(all.end(), part.begin(), part.end());
  return all;
}

TRepo MakeItem(std::u16string name, std::u16string description, std::u16string uid,
               std::u16string key, std::u16string type, std::u16string view, std::u16string min,
               std::u16string max, const std::vector<Entry>& entries) {
  TRepo item;
  item.iName = std::move(name);
  item.iDescription = std::move(description);
  item.iUid = std::move(uid);
  item.iKey = std::move(key);
  item.iType = std::move(type);
  item.iViewType = std::move(view);
  item.iMinValue = std::move(min);
  item.iMaxValue = std::move(max);
  const std::string count = std::to_string(entries.size());
  item.iNumOfCombo.assign(count.begin(), count.end());
  for (const Entry& entry : entries)
    item.iComboElements.push_back({entry.text, entry.value});
  return item;
}

RepoItems ListOf(const std::vector<TRepo>& items) {
  RepoItems list;
  for (const TRepo& item : items)
    list.Append(item);
  return list;
}

std::vector<TRepo> WriteAndRead(const std::filesystem::path& path, const RepoItems& items) {
  WriteRepository(path, u"00000", items);
  RepositoryReader reader;
  reader.Open(path);
  RecordingSink sink;
  reader.ReadSettings(sink);
  return sink.items;
}

}  // namespace pw::test
