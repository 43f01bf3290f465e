// Entry list and name index: the lookup by key and the naming rule that keeps both in step.
#include "archive/dir_array.h"

#include <algorithm>

#include "archive/ezf_exception.h"

namespace pw {

std::u16string NameKey(std::u16string_view name) {
  std::u16string key(name);
  for (char16_t& c : key) {
    if (c >= u'A' && c <= u'Z')
      c = static_cast<char16_t>(c - u'A' + u'a');
  }
  return key;
}

TDirItem& TZFDirArray::Add() {
  return items_.emplace_back();
}

void TZFDirArray::SetItemName(size_t i, std::u16string name) {
  TDirItem& item = items_.at(i);
  const std::optional<size_t> slot = LastSlot(NameKey(item.Name));
  std::u16string key = NameKey(name);
  if (!slot) {
    AppendSlot(std::move(key), i);
  } else if (slots_[*slot].item == i) {
    std::vector<size_t>& old = slotsByKey_[slots_[*slot].key];
    old.erase(std::find(old.begin(), old.end(), *slot));
    if (old.empty())
      slotsByKey_.erase(slots_[*slot].key);
    std::vector<size_t>& now = slotsByKey_[key];
    now.insert(std::upper_bound(now.begin(), now.end(), *slot), *slot);
    slots_[*slot].key = std::move(key);
  } else {
    throw EZFException(zf_native::kHashedNamesInvalid);
  }
  item.Name = std::move(name);
}

bool TZFDirArray::FileExists(std::u16string_view name, int& ItemNo) const {
  const std::optional<size_t> found = Find(name);
  if (found)
    ItemNo = static_cast<int>(*found);
  return found.has_value();
}

std::optional<size_t> TZFDirArray::Find(std::u16string_view name) const {
  const std::optional<size_t> slot = LastSlot(NameKey(name));
  if (!slot)
    return std::nullopt;
  return slots_[*slot].item;
}

void TZFDirArray::Delete(size_t i) {
  items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(i));
  slots_.clear();
  slotsByKey_.clear();
  for (size_t j = 0; j < items_.size(); ++j)
    AppendSlot(NameKey(items_[j].Name), j);
}

void TZFDirArray::Clear() {
  items_.clear();
  slots_.clear();
  slotsByKey_.clear();
}

std::optional<size_t> TZFDirArray::LastSlot(const std::u16string& key) const {
  const auto found = slotsByKey_.find(key);
  if (found == slotsByKey_.end())
    return std::nullopt;
  return found->second.back();
}

void TZFDirArray::AppendSlot(std::u16string key, size_t item) {
  slotsByKey_[key].push_back(slots_.size());
  slots_.push_back({std::move(key), item});
}

}  // namespace pw
