// Tweak items built field by field, and a round trip through the repository file.
#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "model/repo_item.h"
#include "model/repo_items.h"
#include "repository/repo_item_sink.h"

namespace pw::test {

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
