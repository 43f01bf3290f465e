// The ordered list of tweak items under edit; records are copied in and out whole.
#pragma once

#include <cstddef>
#include <vector>

#include "model/repo_item.h"

namespace pw {

class RepoItems {
 public:
  size_t Count() const { return items_.size(); }
  bool Empty() const { return items_.empty(); }

  // The record at a position; raises ListIndexError outside the list.
  const TRepo& At(size_t index) const;

  void Append(TRepo item) { items_.push_back(std::move(item)); }
  // Replaces every field of the record at index.
  void Replace(size_t index, TRepo item);
  // Removes the record at index; the later records move down by one.
  void RemoveAt(size_t index);
  // Exchanges the records at two positions.
  void Exchange(size_t first, size_t second);
  void Clear() { items_.clear(); }

  const std::vector<TRepo>& All() const { return items_; }

 private:
  void Check(size_t index) const;

  std::vector<TRepo> items_;
};

}  // namespace pw
