// List operations on the tweak items, each checking its positions.
#include "model/repo_items.h"

#include <utility>

#include "platform/errors.h"

namespace pw {

void RepoItems::Check(size_t index) const {
  if (index >= items_.size())
    throw ListIndexError(static_cast<long long>(index));
}

const TRepo& RepoItems::At(size_t index) const {
  Check(index);
  return items_[index];
}

void RepoItems::Replace(size_t index, TRepo item) {
  Check(index);
  items_[index] = std::move(item);
}

void RepoItems::RemoveAt(size_t index) {
  Check(index);
  items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
}

void RepoItems::Exchange(size_t first, size_t second) {
  Check(first);
  Check(second);
  std::swap(items_[first], items_[second]);
}

}  // namespace pw
