// What a phone or the reader would trip over in a plugin's items, one finding per line.
#pragma once

#include <string>
#include <vector>

#include "model/repo_items.h"

namespace pw {

struct Finding {
  bool error = false;  // else a warning
  std::string text;
};

// Number texts that do not convert, texts over 1024 code units, and items sharing a UID and
// key, in item order.
std::vector<Finding> CheckPluginItems(const RepoItems& items);

}  // namespace pw
