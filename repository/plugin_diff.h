// How two plugins differ: their plugin fields, and their items matched by UID and key.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "model/repo_items.h"
#include "repository/plugin_fields.h"

namespace pw {

struct FieldChange {
  std::string field;  // the plugin document's member name: "file", "name", "min", ...
  std::u16string a;
  std::u16string b;
};

// An entry of a selection list added, removed or changed, at 1-based places (0: not there).
struct EntryChange {
  size_t from = 0;
  size_t to = 0;
  TComboElement a;
  TComboElement b;
  bool textDiffers = false;   // for an entry in both lists
  bool valueDiffers = false;  // for an entry in both lists
};

// An item added (from 0), removed (to 0), or held by both and moved or changed; positions
// count from 1. The items point into the compared lists.
struct ItemChange {
  size_t from = 0;
  size_t to = 0;
  const TRepo* a = nullptr;
  const TRepo* b = nullptr;
  bool moved = false;  // out of order among the items both plugins hold
  std::vector<FieldChange> fields;
  std::vector<EntryChange> entries;
};

struct PluginDiff {
  std::vector<FieldChange> fields;
  std::vector<ItemChange> items;  // in B's order, each removed item where it stood in A
  bool Same() const { return fields.empty() && items.empty(); }
};

// Number fields are equal when their values are (texts that do not convert when they are the
// same text), an Integer item's entry values too; the plugin descriptions as the descriptor
// keeps them, without CR LF pairs. So a package and the document it was built from are the
// same plugin. Items with the same UID and key are matched in their order; the fewest items
// are called moved that leave the others in order.
PluginDiff DiffPlugins(const PluginFieldTexts& aFields, const RepoItems& a,
                       const PluginFieldTexts& bFields, const RepoItems& b);

}  // namespace pw
