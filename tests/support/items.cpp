// Item builders and the repository round trip.
#include "tests/support/items.h"

#include "repository/repository_reader.h"
#include "repository/repository_writer.h"

namespace pw::test {

TRepo MakeItem(std::u16string name, std::u16string description, std::u16string uid,
               std::u16string key, std::u16string type, std::u16string view, std::u16string min,
               std::u16string max, const std::vector<Entry>& entries) {
  TRepo item;
  item.iName = std::move(name);
  item.iDescription = std::move(description);
  item.iUid = std::move(uid);
  item.iKey = std::move(key);
  item.iType = std::move(type);
  item.iViewType = std::move(view);
  item.iMinValue = std::move(min);
  item.iMaxValue = std::move(max);
  const std::string count = std::to_string(entries.size());
  item.iNumOfCombo.assign(count.begin(), count.end());
  for (const Entry& entry : entries)
    item.iComboElements.push_back({entry.text, entry.value});
  return item;
}

RepoItems ListOf(const std::vector<TRepo>& items) {
  RepoItems list;
  for (const TRepo& item : items)
    list.Append(item);
  return list;
}

std::vector<TRepo> WriteAndRead(const std::filesystem::path& path, const RepoItems& items) {
  WriteRepository(path, u"00000", items);
  RepositoryReader reader;
  reader.Open(path);
  RecordingSink sink;
  reader.ReadSettings(sink);
  return sink.items;
}

}  // namespace pw::test
