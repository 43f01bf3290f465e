// Settings of a repository file turned into the items a plugin author starts from.
#include "repository/repository_import.h"

#include <algorithm>

#include "model/number_text.h"
#include "model/selector_codes.h"
#include "platform/text.h"
#include "repository/hex_text.h"
#include "repository/plugin_check.h"
#include "repository/policy_lookup.h"
#include "repository/security_policy.h"
#include "repository/setting_value_text.h"

namespace pw {
namespace {

bool Chosen(uint32_t key, const std::vector<KeyRange>& ranges) {
  return ranges.empty() || std::any_of(ranges.begin(), ranges.end(), [key](const KeyRange& r) {
           return r.low <= key && key <= r.high;
         });
}

std::u16string HexWord16(uint32_t value) {
  return Utf8ToUtf16(HexWord(value));
}

// A policy of unknown kind is shown by its bytes, which may be many.
constexpr size_t kLongestRequirement = 256;

// The text, or as much of it as fits limit with an ellipsis, never cut inside a surrogate pair.
std::u16string Cut(std::u16string text, size_t limit) {
  if (text.size() <= limit)
    return text;
  size_t cut = limit - 1;
  if (text[cut - 1] >= 0xD800 && text[cut - 1] <= 0xDBFF)
    --cut;
  return text.substr(0, cut) + u"\u2026";
}

// The value and what writing needs, cut so that together they fit a phone's text.
std::u16string Description(const DumpedSetting& setting, const StoredPolicy& write) {
  const auto requirement = WriteRequirement(write);
  const std::u16string tail =
      requirement ? Cut(u"; " + Utf8ToUtf16(*requirement), kLongestRequirement) : u"";
  return Cut(Utf8ToUtf16(SettingValueText(setting)), kLongestPhoneText - tail.size()) + tail;
}

std::u16string TypeCode(const DumpedSetting& setting) {
  if (std::holds_alternative<int32_t>(setting.value))
    return DecimalText(kTypeInteger);
  if (std::holds_alternative<double>(setting.value))
    return DecimalText(kTypeReal);
  return DecimalText(kTypeString);
}

TRepo ItemOf(const RepositoryDump& dump, const DumpedSetting& setting) {
  const bool integer = std::holds_alternative<int32_t>(setting.value);
  TRepo item;
  item.iName = u"Setting " + HexWord16(setting.key);
  item.iDescription = Description(setting, WritePolicyOf(dump, setting.key));
  item.iUid = HexWord16(dump.repositoryUid);
  item.iKey = HexWord16(setting.key);
  item.iType = TypeCode(setting);
  item.iViewType = u"1";
  // A string's or a real's bounds are the window's starting texts, a string's length bounds.
  item.iMinValue = integer ? u"-2147483648" : u"0";
  item.iMaxValue = integer ? u"2147483647" : u"0x7fffffff";
  return item;
}

}  // namespace

std::vector<TRepo> ImportedItems(const RepositoryDump& dump, const std::vector<KeyRange>& ranges) {
  std::vector<const DumpedSetting*> chosen;
  for (const DumpedSetting& setting : dump.settings)
    if (Chosen(setting.key, ranges))
      chosen.push_back(&setting);
  std::stable_sort(chosen.begin(), chosen.end(),
                   [](const DumpedSetting* a, const DumpedSetting* b) { return a->key < b->key; });
  std::vector<TRepo> items;
  items.reserve(chosen.size());
  for (const DumpedSetting* setting : chosen)
    items.push_back(ItemOf(dump, *setting));
  return items;
}

}  // namespace pw
