// Helpers shared by the repository tests: a scratch folder, file bytes, hex, items.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "model/repo_item.h"
#include "model/repo_items.h"
#include "repository/repo_item_sink.h"

namespace pw::test {

using Bytes = std::vector<uint8_t>;

// A fresh folder per test, removed afterwards.
class ScratchFolderTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  std::filesystem::path dir_;
};

Bytes FileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, const Bytes& bytes);

// "37 00 00 10" or "37000010": pairs of hex digits, spaces ignored.
Bytes Hex(std::string_view digits);
Bytes Le32(uint32_t value);
Bytes Utf16Le(std::u16string_view text);
Bytes Concat(std::initializer_list<Bytes> parts);

struct Entry {
  std::u16string text;
  std::u16string value;
};

// An item with every field given; iNumOfCombo is the decimal count of entries.
TRepo MakeItem(std::u16string name, std::u16string description, std::u16string uid,
               std::u16string key, std::u16string type, std::u16string view, std::u16string min,
               std::u16string max, const std::vector<Entry>& entries = {});

RepoItems ListOf(const std::vector<TRepo>& items);

struct RecordingSink : RepoItemSink {
  void ItemCompleted(TRepo item) override { items.push_back(std::move(item)); }
  std::vector<TRepo> items;
};

// Writes items with the repository writer and reads them back with the reader.
std::vector<TRepo> WriteAndRead(const std::filesystem::path& path, const RepoItems& items);

}  // namespace pw::test
