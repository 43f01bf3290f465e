// Each item against the setting it names in a phone's repository file.
#include "repository/repository_fit_check.h"

#include <map>
#include <set>
#include <unordered_map>
#include <utility>

#include "model/selector_codes.h"
#include "platform/text.h"
#include "repository/hex_text.h"
#include "repository/item_numbers.h"
#include "repository/policy_lookup.h"
#include "repository/security_policy.h"
#include "repository/setting_value_text.h"

namespace pw {
namespace {

constexpr int32_t kViewBitmaskCode = kViewBitmask + 1;

// One repository file, its settings found by key.
struct PhoneRepository {
  const RepositoryDump* dump = nullptr;
  std::unordered_map<uint32_t, const DumpedSetting*> settings;
};

std::map<uint32_t, PhoneRepository> ByUid(const std::vector<RepositoryDump>& repositories) {
  std::map<uint32_t, PhoneRepository> byUid;
  for (const RepositoryDump& dump : repositories) {
    PhoneRepository& phone = byUid[dump.repositoryUid];
    phone.dump = &dump;
    for (const DumpedSetting& setting : dump.settings)
      phone.settings.try_emplace(setting.key, &setting);
  }
  return byUid;
}

int32_t SettingType(const DumpedSetting& setting) {
  if (std::holds_alternative<int32_t>(setting.value))
    return kTypeInteger;
  return std::holds_alternative<double>(setting.value) ? kTypeReal : kTypeString;
}

std::string TypeName(int32_t type) {
  switch (type) {
    case kTypeInteger:
      return "an integer";
    case kTypeString:
      return "a string";
    case kTypeReal:
      return "a real";
    default:
      return "of type " + std::to_string(type);
  }
}

// Views 2 (Uid set) and 3 (Path) keep other things in the bound fields.
bool HasBounds(const TRepo& item) {
  const auto view = NumberIfAny(item.iViewType);
  return view && *view != kViewUidSet + 1 && *view != kViewPath + 1;
}

// One item against its setting; where names the item in every finding.
class ItemFit {
 public:
  ItemFit(std::vector<Finding>& findings, std::string where, const TRepo& item,
          const DumpedSetting& setting)
      : findings_(findings), where_(std::move(where)), item_(item), setting_(setting) {}

  // False when the types differ, so that comparing values would mean nothing.
  bool Type() {
    const auto type = NumberIfAny(item_.iType);
    if (type && *type == SettingType(setting_))
      return true;
    Add(true, "the phone's setting is " + TypeName(SettingType(setting_)) + ", the item " +
                  (type ? TypeName(*type) : "of type \"" + Utf16ToUtf8(item_.iType) + "\""));
    return false;
  }

  void Value() {
    if (const auto* number = std::get_if<int32_t>(&setting_.value)) {
      Bounds(*number, "the phone holds " + std::to_string(*number));
      Offered([&](const std::u16string& value) { return NumberIfAny(value) == *number; },
              std::to_string(*number));
    } else if (const auto* stored = std::get_if<StoredText>(&setting_.value)) {
      const auto text = StoredUtf16(*stored);
      if (!text)
        return;
      Bounds(static_cast<int64_t>(text->size()),
             "the phone's text has " + std::to_string(text->size()) + " UTF-16 code units");
      Offered([&](const std::u16string& value) { return value == *text; },
              "\"" + Utf16ToUtf8(*text) + "\"");
    }
  }

  void Write(const RepositoryDump& dump) {
    if (const auto requirement = WriteRequirement(WritePolicyOf(dump, setting_.key)))
      Add(false, *requirement);
  }

 private:
  void Add(bool error, const std::string& problem) {
    findings_.push_back({error, where_ + ": " + problem});
  }

  void Bounds(int64_t value, const std::string& holds) {
    const auto min = NumberIfAny(item_.iMinValue);
    const auto max = NumberIfAny(item_.iMaxValue);
    if (HasBounds(item_) && min && max && (value < *min || value > *max))
      Add(false, holds + ", outside the item's bounds " + std::to_string(*min) + " to " +
                     std::to_string(*max));
  }

  // A bitmask's entries are single flags, not the values the setting may hold.
  template <typename Matches>
  void Offered(Matches matches, const std::string& shown) {
    const auto& entries = item_.iComboElements;
    if (entries.empty() || NumberIfAny(item_.iViewType) == kViewBitmaskCode)
      return;
    for (const TComboElement& entry : entries)
      if (matches(entry.iValue))
        return;
    Add(false, "no selection entry has the phone's value " + shown + "; none would show selected");
  }

  std::vector<Finding>& findings_;
  std::string where_;
  const TRepo& item_;
  const DumpedSetting& setting_;
};

// The items of each repository given, against the settings of its file.
class PhoneFit {
 public:
  explicit PhoneFit(const std::vector<RepositoryDump>& repositories)
      : byUid_(ByUid(repositories)) {}

  void Check(size_t index, const TRepo& item) {
    const auto uid = NumberIfAny(item.iUid);
    const auto key = NumberIfAny(item.iKey);
    if (!uid || !key)
      return;
    const std::string where = ItemPlace(index, item);
    const auto phone = byUid_.find(static_cast<uint32_t>(*uid));
    if (phone == byUid_.end())
      return NotGiven(where, static_cast<uint32_t>(*uid));
    const auto setting = phone->second.settings.find(static_cast<uint32_t>(*key));
    if (setting == phone->second.settings.end()) {
      findings_.push_back({true, where + ": repository " + HexWord(phone->first) +
                                     " holds no setting " + HexWord(static_cast<uint32_t>(*key))});
      return;
    }
    ItemFit fit(findings_, where, item, *setting->second);
    if (fit.Type())
      fit.Value();
    fit.Write(*phone->second.dump);
  }

  std::vector<Finding> Findings() && { return std::move(findings_); }

 private:
  void NotGiven(const std::string& where, uint32_t uid) {
    if (notGiven_.insert(uid).second)
      findings_.push_back({false, where + ": repository " + HexWord(uid) +
                                      " not given; none of its items is checked"});
  }

  std::map<uint32_t, PhoneRepository> byUid_;
  std::set<uint32_t> notGiven_;
  std::vector<Finding> findings_;
};

}  // namespace

std::vector<Finding> CheckAgainstRepositories(const RepoItems& items,
                                              const std::vector<RepositoryDump>& repositories) {
  PhoneFit fit(repositories);
  for (size_t i = 0; i < items.Count(); ++i)
    fit.Check(i, items.At(i));
  return std::move(fit).Findings();
}

}  // namespace pw
