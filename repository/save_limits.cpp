// Refusals of items that would be written as something other than they are.
#include "repository/save_limits.h"

#include <optional>

#include "model/selector_codes.h"
#include "platform/text.h"
#include "repository/item_numbers.h"
#include "repository/key_scheme.h"
#include "repository/repository_errors.h"
#include "repository/repository_layout.h"

namespace pw {
namespace {

constexpr size_t kShownNameUnits = 40;

// The name as a message shows it: a very long one is cut, never inside a surrogate pair.
std::string ShownName(const std::u16string& name) {
  if (name.size() <= kShownNameUnits)
    return Utf16ToUtf8(name);
  size_t cut = kShownNameUnits;
  if (name[cut - 1] >= 0xD800 && name[cut - 1] <= 0xDBFF)
    --cut;
  return Utf16ToUtf8(name.substr(0, cut)) + "...";
}

[[noreturn]] void Refuse(size_t position, const TRepo& item, const std::string& reason) {
  throw SaveRefusedError("Cannot save item " + std::to_string(position) + " \"" +
                         ShownName(item.iName) + "\": " + reason);
}

void CheckText(size_t position, const TRepo& item, const std::u16string& text,
               const std::string& what) {
  if (text.size() > layout::kMaxTextUnits)
    Refuse(position, item,
           what + " has " + std::to_string(text.size()) + " characters, at most " +
               std::to_string(layout::kMaxTextUnits) + " fit");
}

void CheckEntries(size_t position, const TRepo& item) {
  const size_t entries = item.iComboElements.size();
  if (entries > keys::kMaxEntries)
    Refuse(position, item,
           "it has " + std::to_string(entries) + " selection entries, at most " +
               std::to_string(keys::kMaxEntries) + " fit");
  const auto count = NumberIfAny(item.iNumOfCombo);
  if (count && *count != static_cast<int32_t>(entries))
    Refuse(position, item,
           "its entry count \"" + Utf16ToUtf8(item.iNumOfCombo) + "\" does not match its " +
               std::to_string(entries) + " selection entries");
}

void CheckTexts(size_t position, const TRepo& item) {
  CheckText(position, item, item.iName, "its name");
  CheckText(position, item, item.iDescription, "its description");
  const auto type = NumberIfAny(item.iType);
  for (size_t j = 0; j < item.iComboElements.size(); ++j) {
    const TComboElement& entry = item.iComboElements[j];
    const std::string number = std::to_string(j + 1);
    CheckText(position, item, entry.iDescription, "the text of entry " + number);
    if (type && *type != kTypeInteger)
      CheckText(position, item, entry.iValue, "the value of entry " + number);
  }
}

}  // namespace

void CheckSavable(const RepoItems& items) {
  if (items.Count() > keys::kMaxItems)
    throw SaveRefusedError("Cannot save " + std::to_string(items.Count()) +
                           " items: a plugin holds at most " + std::to_string(keys::kMaxItems));
  for (size_t i = 0; i < items.Count(); ++i) {
    CheckEntries(i + 1, items.At(i));
    CheckTexts(i + 1, items.At(i));
  }
}

}  // namespace pw
