// Where the repository reader hands the items it has completed.
#pragma once

#include "model/repo_item.h"

namespace pw {

class RepoItemSink {
 public:
  virtual ~RepoItemSink() = default;
  // Called once per item, in file order, when its last setting has arrived; the item is the
  // caller's own copy.
  virtual void ItemCompleted(TRepo item) = 0;
};

}  // namespace pw
