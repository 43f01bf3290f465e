// Which setting key holds which field of which item, both ways.
#pragma once

#include <cstddef>
#include <cstdint>

namespace pw::keys {

inline constexpr int32_t kItemCountKey = 1;
inline constexpr int32_t kBlockSize = 100;
// Entry 46 would put its value on the name key of the next item's block.
inline constexpr size_t kMaxEntries = 45;
// The last position whose block still ends below 2^31.
inline constexpr size_t kMaxItems = 21474835;

// Offsets 0 to 8 of a key block, in the order they are written.
enum class ItemField {
  Name,
  Description,
  Uid,
  Key,
  Type,
  ViewType,
  MinValue,
  MaxValue,
  NumOfCombo
};
inline constexpr int kItemFieldCount = 9;

// position is 1-based, entry is 1-based; both within the limits above.
int32_t FieldKey(size_t position, ItemField field);
int32_t EntryTextKey(size_t position, size_t entry);
int32_t EntryValueKey(size_t position, size_t entry);

// What a key holds, found from the key alone (key mod 100); the block is not consulted.
enum class KeyRole {
  Nothing,     // key 1 (the item count) and every key below it: nothing to assemble
  NoItem,      // keys 2 to 99: outside every item's block
  Field,       // offsets 0 to 8
  EntryText,   // odd offsets from 9
  EntryValue,  // even offsets from 10
};
struct KeyMeaning {
  KeyRole role;
  ItemField field;  // for KeyRole::Field
};
KeyMeaning MeaningOfKey(int32_t key);

}  // namespace pw::keys
