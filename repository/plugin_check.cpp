// The checks of a plugin's items that the phone and the reader would trip over.
#include "repository/plugin_check.h"

#include <map>
#include <utility>

#include "model/number_text.h"
#include "platform/errors.h"
#include "platform/text.h"

namespace pw {
namespace {

void CheckNumber(std::vector<Finding>& findings, const std::string& where, const char* field,
                 const std::u16string& text) {
  try {
    HexOrDecToInt(text);
  } catch (const Error& error) {
    findings.push_back({true, where + ": " + field + ": " + error.what()});
  }
}

void CheckLength(std::vector<Finding>& findings, const std::string& where, const char* field,
                 const std::u16string& text) {
  if (text.size() > kLongestPhoneText)
    findings.push_back({true, where + ": " + field + " holds " + std::to_string(text.size()) +
                                  " UTF-16 code units; a phone refuses more than 1024"});
}

}  // namespace

std::string ItemPlace(size_t index, const TRepo& item) {
  return "item " + std::to_string(index + 1) + " \"" + Utf16ToUtf8(item.iName) + "\"";
}

std::vector<Finding> CheckPluginItems(const RepoItems& items) {
  std::vector<Finding> findings;
  std::map<std::pair<std::u16string, std::u16string>, size_t> seen;
  for (size_t i = 0; i < items.Count(); ++i) {
    const TRepo& item = items.At(i);
    const std::string where = ItemPlace(i, item);
    for (const auto& [field, text] : {std::pair{"uid", &item.iUid},
                                      {"key", &item.iKey},
                                      {"type", &item.iType},
                                      {"view", &item.iViewType},
                                      {"min", &item.iMinValue},
                                      {"max", &item.iMaxValue}})
      CheckNumber(findings, where, field, *text);
    CheckLength(findings, where, "name", item.iName);
    CheckLength(findings, where, "description", item.iDescription);
    for (const TComboElement& entry : item.iComboElements) {
      CheckLength(findings, where, "entry text", entry.iDescription);
      CheckLength(findings, where, "entry value", entry.iValue);
      if (item.iType == u"255")
        CheckNumber(findings, where, "entry value", entry.iValue);
    }
    const auto [earlier, fresh] = seen.try_emplace({item.iUid, item.iKey}, i);
    if (!fresh)
      findings.push_back(
          {false, where + ": same UID and key as item " + std::to_string(earlier->second + 1)});
  }
  return findings;
}

}  // namespace pw
