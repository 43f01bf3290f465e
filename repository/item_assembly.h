// Rebuilds items from setting records in file order, by key alone.
#pragma once

#include <cstddef>

#include "model/repo_item.h"
#include "repository/key_scheme.h"
#include "repository/repo_item_sink.h"
#include "repository/setting_record.h"

namespace pw {

// An item is complete when its entry count has arrived after all its other fields and then
// as many entry values as the count announces; only complete items reach the sink.
// A field setting while entries are still awaited abandons the item under assembly (older
// writers stored no entry values for Real items). Raises DataError, naming the record's
// offset, for settings that would place anything outside the item under assembly.
class ItemAssembly {
 public:
  explicit ItemAssembly(RepoItemSink& sink) : sink_(sink) {}

  void Take(SettingRecord setting);

 private:
  void TakeField(SettingRecord& setting, keys::ItemField field);
  void TakeEntryCount(SettingRecord& setting);
  void TakeEntryText(SettingRecord& setting);
  void TakeEntryValue(SettingRecord& setting);
  void CompleteWhenFull();
  void StartNextItem();

  RepoItemSink& sink_;
  TRepo item_;
  unsigned fieldsSeen_ = 0;  // one bit per field offset since the item started
  bool awaitingEntries_ = false;
  size_t announced_ = 0;      // entries the entry count promised
  bool textPending_ = false;  // the last entry has its text but not yet its value
};

}  // namespace pw
