// What a phone or the reader would trip over in a plugin's items, one finding per line.
#pragma once

#include <string>
#include <vector>

#include "model/repo_items.h"

namespace pw {

// A phone refuses a repository holding a string over 2048 bytes.
inline constexpr size_t kLongestPhoneText = 1024;

struct Finding {
  bool error = false;  // else a warning
  std::string text;
};

// How findings name an item: "item 3 "Name"", its position counted from 1.
std::string ItemPlace(size_t index, const TRepo& item);

// Number texts that do not convert, texts over 1024 code units, and items sharing a UID and
// key, in item order.
std::vector<Finding> CheckPluginItems(const RepoItems& items);

}  // namespace pw
