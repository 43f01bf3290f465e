// The entries of an archive in archive order, with a hashed index of their names.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "archive/dir_item.h"

namespace pw {

// The index key of a name: A to Z lowered, every other character unchanged, so names that
// differ only in the case of ASCII letters are one entry.
std::u16string NameKey(std::u16string_view name);

class TZFDirArray {
 public:
  size_t Count() const { return items_.size(); }
  bool Empty() const { return items_.empty(); }
  TDirItem& operator[](size_t i) { return items_.at(i); }
  const TDirItem& operator[](size_t i) const { return items_.at(i); }
  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

  // Appends an entry with the empty name; it enters the index when SetItemName names it.
  TDirItem& Add();
  // Names entry i. The key of its previous name is looked up: not indexed, the new key is
  // appended to the index; indexed for entry i, it is replaced; indexed for another entry,
  // EZFException native 59 is raised and nothing changes.
  void SetItemName(size_t i, std::u16string name);
  // Finds an entry by key; where several entries share it, the one indexed last.
  bool FileExists(std::u16string_view name, int& ItemNo) const;
  std::optional<size_t> Find(std::u16string_view name) const;
  // Removes entry i; the later entries move down by one and the index is rebuilt.
  void Delete(size_t i);
  void Clear();

 private:
  struct Slot {
    std::u16string key;
    size_t item;
  };
  std::optional<size_t> LastSlot(const std::u16string& key) const;
  void AppendSlot(std::u16string key, size_t item);

  std::vector<TDirItem> items_;
  std::vector<Slot> slots_;  // the index in the order entries were indexed
  std::unordered_map<std::u16string, std::vector<size_t>> slotsByKey_;  // ascending slots
};

}  // namespace pw
