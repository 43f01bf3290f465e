// Formats a parsed repository file: keys in hex and decimal, values by type.
#include "cli/repository_dump_output.h"

#include <nlohmann/json.hpp>

#include <chrono>
#include <cstdio>

#include "platform/text.h"
#include "repository/hex_text.h"
#include "repository/security_policy.h"
#include "repository/setting_value_text.h"

namespace pw {
namespace {

using nlohmann::ordered_json;

std::string KeyText(uint32_t key) {
  return HexWord(key) + " (" + std::to_string(key) + ")";
}

// Phones count time in microseconds since 1 January of year 0; shown as a UTC date when
// it falls in years 1 to 9999.
std::string TimeStampText(int64_t stamp) {
  using namespace std::chrono;
  constexpr int64_t kUnixEpochInPhoneTime = 62168256000000000;
  constexpr int64_t kMicrosecondsPerDay = 86400000000;
  constexpr int64_t kFirstDay = -719162;  // 0001-01-01 counted from 1970-01-01
  constexpr int64_t kLastDay = 2932896;   // 9999-12-31
  std::string text = std::to_string(stamp);
  if (stamp == 0 || stamp < INT64_MIN + kUnixEpochInPhoneTime)
    return text;
  const int64_t sinceEpoch = stamp - kUnixEpochInPhoneTime;
  int64_t day = sinceEpoch / kMicrosecondsPerDay;
  int64_t inDay = sinceEpoch % kMicrosecondsPerDay;
  if (inDay < 0) {
    inDay += kMicrosecondsPerDay;
    --day;
  }
  if (day < kFirstDay || day > kLastDay)
    return text;
  const year_month_day date{sys_days{days{day}}};
  const int64_t second = inDay / 1000000;
  char when[48];
  std::snprintf(when, sizeof when, " (%04d-%02u-%02u %02lld:%02lld:%02lld UTC)",
                static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                static_cast<unsigned>(date.day()), static_cast<long long>(second / 3600),
                static_cast<long long>(second / 60 % 60), static_cast<long long>(second % 60));
  return text + when;
}

void AppendLine(std::string& out, const std::string& label, const std::string& value) {
  constexpr size_t kLabelWidth = 22;
  out += label;
  out += std::string(label.size() < kLabelWidth ? kLabelWidth - label.size() : 1, ' ');
  out += value + "\n";
}

void AppendPolicies(std::string& out, const char* label, const std::vector<KeyedPolicy>& list,
                    const char* keyName) {
  AppendLine(out, label, std::to_string(list.size()));
  for (const KeyedPolicy& policy : list)
    out += std::string("  ") + keyName + " " + HexWord(policy.key) + "  high key " +
           HexWord(policy.highKey) + "  mask " + HexWord(policy.keyMask) +
           "  read: " + PolicyText(policy.read) + "  write: " + PolicyText(policy.write) + "\n";
}

ordered_json PolicyJson(const StoredPolicy& policy) {
  const PolicyMeaning meaning = DecodePolicy(policy);
  ordered_json json{{"kind", meaning.kind}};
  if (meaning.secureId)
    json[meaning.kind] = HexWord(*meaning.secureId);
  if (meaning.kind == "capabilities" || !meaning.capabilities.empty())
    json["capabilities"] = meaning.capabilities;
  json["bytes"] = HexBytes(policy.bytes);
  return json;
}

ordered_json PoliciesJson(const std::vector<KeyedPolicy>& list, const char* keyName) {
  ordered_json json = ordered_json::array();
  for (const KeyedPolicy& policy : list)
    json.push_back({{keyName, HexWord(policy.key)},
                    {"highKey", HexWord(policy.highKey)},
                    {"keyMask", HexWord(policy.keyMask)},
                    {"read", PolicyJson(policy.read)},
                    {"write", PolicyJson(policy.write)}});
  return json;
}

ordered_json SettingJson(const DumpedSetting& setting) {
  ordered_json json{{"key", HexWord(setting.key)},
                    {"keyDecimal", setting.key},
                    {"metadata", HexWord(setting.metadata)}};
  if (const auto* number = std::get_if<int32_t>(&setting.value)) {
    json["type"] = "integer";
    json["value"] = *number;
  } else if (const auto* real = std::get_if<double>(&setting.value)) {
    json["type"] = "real";
    json["value"] = *real;
  } else {
    const auto& stored = std::get<StoredText>(setting.value);
    json["type"] = "string";
    if (const auto text = StoredUtf16(stored))
      json["text"] = Utf16ToUtf8(*text);
    else
      json["hex"] = HexBytes(stored.bytes);
  }
  return json;
}

}  // namespace

std::string RepositoryDumpText(const RepositoryDump& dump) {
  std::string out;
  AppendLine(out, "File size", std::to_string(dump.fileSize) + " bytes");
  const bool checksumGood = dump.uidChecksum == UidTripleChecksum(dump.uids);
  AppendLine(out, "UIDs",
             HexWord(dump.uids[0]) + " " + HexWord(dump.uids[1]) + " " + HexWord(dump.uids[2]));
  AppendLine(out, "UID checksum",
             HexWord(dump.uidChecksum) + (checksumGood ? " (correct)" : " (wrong)"));
  AppendLine(out, "Root stream at", std::to_string(dump.rootStream));
  AppendLine(out, "Format version", std::to_string(dump.version));
  AppendLine(out, "Repository UID", HexWord(dump.repositoryUid));
  if (dump.keyspaceType)
    AppendLine(out, "Keyspace type", std::to_string(*dump.keyspaceType));
  AppendLine(out, "Owner UID", HexWord(dump.owner));
  AppendPolicies(out, "Single policies", dump.singlePolicies, "key");
  AppendPolicies(out, "Range policies", dump.rangePolicies, "low key");
  AppendLine(out, "Default read policy", PolicyText(dump.defaultRead));
  AppendLine(out, "Default write policy", PolicyText(dump.defaultWrite));
  if (dump.defaultPolicyKey)
    AppendLine(
        out, "Default policy key",
        HexWord(*dump.defaultPolicyKey) + "  mask " + HexWord(dump.defaultPolicyMask.value_or(0)));
  AppendLine(out, "Default metadata", HexWord(dump.defaultMetadata));
  AppendLine(out, "Range metadata", std::to_string(dump.rangeMetadata.size()));
  for (const RangeMetadata& range : dump.rangeMetadata)
    out += "  low key " + HexWord(range.lowKey) + "  high key " + HexWord(range.highKey) +
           "  mask " + HexWord(range.keyMask) + "  metadata " + HexWord(range.metadata) + "\n";
  AppendLine(out, "Time stamp", TimeStampText(dump.timeStamp));
  AppendLine(out, "Settings", std::to_string(dump.settings.size()));
  for (const DumpedSetting& setting : dump.settings)
    out += "  " + KeyText(setting.key) + "  metadata " + HexWord(setting.metadata) + "  " +
           SettingValueText(setting) + "\n";
  if (dump.deletedKeys) {
    AppendLine(out, "Deleted keys", std::to_string(dump.deletedKeys->size()));
    for (uint32_t key : *dump.deletedKeys)
      out += "  " + KeyText(key) + "\n";
  }
  return out;
}

std::string RepositoryDumpJson(const RepositoryDump& dump) {
  ordered_json json{{"fileSize", dump.fileSize},
                    {"uids", {HexWord(dump.uids[0]), HexWord(dump.uids[1]), HexWord(dump.uids[2])}},
                    {"uidChecksum", HexWord(dump.uidChecksum)},
                    {"uidChecksumCorrect", dump.uidChecksum == UidTripleChecksum(dump.uids)},
                    {"rootStream", dump.rootStream},
                    {"version", dump.version}};
  json["repositoryUid"] = HexWord(dump.repositoryUid);
  if (dump.keyspaceType)
    json["keyspaceType"] = *dump.keyspaceType;
  json["owner"] = HexWord(dump.owner);
  json["singlePolicies"] = PoliciesJson(dump.singlePolicies, "key");
  json["rangePolicies"] = PoliciesJson(dump.rangePolicies, "lowKey");
  json["defaultReadPolicy"] = PolicyJson(dump.defaultRead);
  json["defaultWritePolicy"] = PolicyJson(dump.defaultWrite);
  if (dump.defaultPolicyKey) {
    json["defaultPolicyKey"] = HexWord(*dump.defaultPolicyKey);
    json["defaultPolicyMask"] = HexWord(dump.defaultPolicyMask.value_or(0));
  }
  json["defaultMetadata"] = HexWord(dump.defaultMetadata);
  ordered_json ranges = ordered_json::array();
  for (const RangeMetadata& range : dump.rangeMetadata)
    ranges.push_back({{"lowKey", HexWord(range.lowKey)},
                      {"highKey", HexWord(range.highKey)},
                      {"keyMask", HexWord(range.keyMask)},
                      {"metadata", HexWord(range.metadata)}});
  json["rangeMetadata"] = ranges;
  json["timeStamp"] = dump.timeStamp;
  ordered_json settings = ordered_json::array();
  for (const DumpedSetting& setting : dump.settings)
    settings.push_back(SettingJson(setting));
  json["settings"] = settings;
  if (dump.deletedKeys) {
    ordered_json deleted = ordered_json::array();
    for (uint32_t key : *dump.deletedKeys)
      deleted.push_back({{"key", HexWord(key)}, {"keyDecimal", key}});
    json["deletedKeys"] = deleted;
  }
  return json.dump(2) + "\n";
}

}  // namespace pw
