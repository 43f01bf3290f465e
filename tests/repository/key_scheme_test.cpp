// The key scheme both ways: keys of fields and entries, and a key's meaning by key mod 100.
#include "repository/key_scheme.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace pw::keys {
namespace {

TEST(KeyScheme, KeysOfFieldsAndEntries) {
  EXPECT_EQ(FieldKey(1, ItemField::Name), 100);
  EXPECT_EQ(FieldKey(1, ItemField::NumOfCombo), 108);
  EXPECT_EQ(FieldKey(2, ItemField::Uid), 202);
  EXPECT_EQ(EntryTextKey(3, 1), 309);
  EXPECT_EQ(EntryValueKey(3, 1), 310);
  EXPECT_EQ(EntryTextKey(3, 2), 311);
  EXPECT_EQ(EntryTextKey(1, 45), 197);
  EXPECT_EQ(EntryValueKey(1, 45), 198);
  EXPECT_EQ(FieldKey(kMaxItems, ItemField::Name) + 99, 2147483599);
}

TEST(KeyScheme, MeaningFromTheKeyAlone) {
  struct Case {
    int32_t key;
    KeyRole role;
    ItemField field;
  };
  const Case cases[] = {
      {1, KeyRole::Nothing, ItemField::Name},
      {0, KeyRole::Nothing, ItemField::Name},
      {-100, KeyRole::Nothing, ItemField::Name},
      {INT32_MIN, KeyRole::Nothing, ItemField::Name},
      {2, KeyRole::NoItem, ItemField::Name},
      {99, KeyRole::NoItem, ItemField::Name},
      {100, KeyRole::Field, ItemField::Name},
      {101, KeyRole::Field, ItemField::Description},
      {302, KeyRole::Field, ItemField::Uid},
      {703, KeyRole::Field, ItemField::Key},
      {104, KeyRole::Field, ItemField::Type},
      {105, KeyRole::Field, ItemField::ViewType},
      {106, KeyRole::Field, ItemField::MinValue},
      {107, KeyRole::Field, ItemField::MaxValue},
      {2147483608, KeyRole::Field, ItemField::NumOfCombo},
      {109, KeyRole::EntryText, ItemField::Name},
      {110, KeyRole::EntryValue, ItemField::Name},
      {197, KeyRole::EntryText, ItemField::Name},
      {198, KeyRole::EntryValue, ItemField::Name},
      {199, KeyRole::EntryText, ItemField::Name},
  };
  for (const Case& c : cases) {
    const KeyMeaning meaning = MeaningOfKey(c.key);
    EXPECT_EQ(meaning.role, c.role) << c.key;
    if (c.role == KeyRole::Field) {
      EXPECT_EQ(meaning.field, c.field) << c.key;
    }
  }
}

}  // namespace
}  // namespace pw::keys
