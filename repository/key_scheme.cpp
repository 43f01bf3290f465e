// The fixed numbering of settings by item position.
#include "repository/key_scheme.h"

namespace pw::keys {
namespace {

int32_t BlockBase(size_t position) {
  return static_cast<int32_t>(position) * kBlockSize;
}

}  // namespace

int32_t FieldKey(size_t position, ItemField field) {
  return BlockBase(position) + static_cast<int32_t>(field);
}

int32_t EntryTextKey(size_t position, size_t entry) {
  return BlockBase(position) + 2 * static_cast<int32_t>(entry) + 7;
}

int32_t EntryValueKey(size_t position, size_t entry) {
  return EntryTextKey(position, entry) + 1;
}

KeyMeaning MeaningOfKey(int32_t key) {
  if (key <= kItemCountKey)
    return {KeyRole::Nothing, ItemField::Name};
  if (key < kBlockSize)
    return {KeyRole::NoItem, ItemField::Name};
  const int32_t offset = key % kBlockSize;
  if (offset < kItemFieldCount)
    return {KeyRole::Field, static_cast<ItemField>(offset)};
  return {offset % 2 == 1 ? KeyRole::EntryText : KeyRole::EntryValue, ItemField::Name};
}

}  // namespace pw::keys
