// What the repository layout cannot hold; checked before a save touches any file.
#pragma once

#include "model/repo_items.h"

namespace pw {

// Raises SaveRefusedError, naming the item's 1-based position and name, for an item with
// more than 45 selection entries, an entry count text that disagrees with its entries, or
// a stored text of 4096 or more code units; and for a list too long for the key scheme.
// Number texts that do not convert are left to the writer, which fails at its usual point.
void CheckSavable(const RepoItems& items);

}  // namespace pw
