// Assembly of items from settings, strict about where entries go.
#include "repository/item_assembly.h"

#include <cstdio>
#include <utility>

#include "repository/repository_errors.h"

namespace pw {
namespace {

using keys::ItemField;

constexpr unsigned kFieldsBeforeCount = (1u << static_cast<int>(ItemField::NumOfCombo)) - 1;

std::u16string UidText(int32_t value) {
  char digits[11];
  std::snprintf(digits, sizeof digits, "0x%08X", static_cast<uint32_t>(value));
  return std::u16string(digits, digits + 10);
}

int32_t NumberOf(const SettingRecord& setting, const char* what) {
  if (!setting.number)
    throw DataError(setting.offset, std::string(what) + " held as a string");
  return *setting.number;
}

}  // namespace

void ItemAssembly::Take(SettingRecord setting) {
  const keys::KeyMeaning meaning = keys::MeaningOfKey(setting.key);
  switch (meaning.role) {
    case keys::KeyRole::Nothing:
      return;
    case keys::KeyRole::NoItem:
      throw DataError(setting.offset, "key " + std::to_string(setting.key) + " belongs to no item");
    case keys::KeyRole::Field:
      return TakeField(setting, meaning.field);
    case keys::KeyRole::EntryText:
      return TakeEntryText(setting);
    case keys::KeyRole::EntryValue:
      return TakeEntryValue(setting);
  }
}

void ItemAssembly::TakeField(SettingRecord& setting, ItemField field) {
  if (awaitingEntries_)
    StartNextItem();
  switch (field) {
    case ItemField::Name:
      item_.iName = std::move(setting.text);
      break;
    case ItemField::Description:
      item_.iDescription = std::move(setting.text);
      break;
    case ItemField::Uid:
      item_.iUid = UidText(NumberOf(setting, "a UID"));
      break;
    case ItemField::Key:
      item_.iKey = std::move(setting.text);
      break;
    case ItemField::Type:
      item_.iType = std::move(setting.text);
      break;
    case ItemField::ViewType:
      item_.iViewType = std::move(setting.text);
      break;
    case ItemField::MinValue:
      item_.iMinValue = std::move(setting.text);
      break;
    case ItemField::MaxValue:
      item_.iMaxValue = std::move(setting.text);
      break;
    case ItemField::NumOfCombo:
      return TakeEntryCount(setting);
  }
  fieldsSeen_ |= 1u << static_cast<int>(field);
}

void ItemAssembly::TakeEntryCount(SettingRecord& setting) {
  const int32_t count = NumberOf(setting, "an entry count");
  if (count < 0 || static_cast<size_t>(count) > keys::kMaxEntries)
    throw DataError(setting.offset, "entry count " + std::to_string(count) + " outside 0 to " +
                                        std::to_string(keys::kMaxEntries));
  if ((fieldsSeen_ & kFieldsBeforeCount) != kFieldsBeforeCount)
    throw DataError(setting.offset, "an entry count before the other fields of its item");
  item_.iNumOfCombo = std::move(setting.text);
  announced_ = static_cast<size_t>(count);
  item_.iComboElements.reserve(announced_);
  awaitingEntries_ = true;
  CompleteWhenFull();
}

void ItemAssembly::TakeEntryText(SettingRecord& setting) {
  if (!awaitingEntries_)
    throw DataError(setting.offset, "a selection entry text outside its item's entries");
  // A second text before a value replaces the first, as in files of earlier writers.
  if (textPending_)
    item_.iComboElements.back().iDescription = std::move(setting.text);
  else
    item_.iComboElements.push_back({std::move(setting.text), u""});
  textPending_ = true;
}

void ItemAssembly::TakeEntryValue(SettingRecord& setting) {
  if (!textPending_)
    throw DataError(setting.offset, "a selection entry value without its text");
  item_.iComboElements.back().iValue = std::move(setting.text);
  textPending_ = false;
  CompleteWhenFull();
}

void ItemAssembly::CompleteWhenFull() {
  if (item_.iComboElements.size() != announced_ || textPending_)
    return;
  sink_.ItemCompleted(std::move(item_));
  StartNextItem();
}

void ItemAssembly::StartNextItem() {
  item_ = TRepo{};
  fieldsSeen_ = 0;
  awaitingEntries_ = false;
  announced_ = 0;
  textPending_ = false;
}

}  // namespace pw
