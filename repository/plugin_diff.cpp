// Comparing two plugins the way a reviewer reads them: fields, then items in B's order.
#include "repository/plugin_diff.h"

#include <algorithm>
#include <deque>
#include <limits>
#include <map>
#include <utility>

#include "model/number_text.h"
#include "model/selector_codes.h"
#include "repository/descriptor_writer.h"
#include "repository/item_numbers.h"

namespace pw {
namespace {

constexpr size_t kNone = std::numeric_limits<size_t>::max();

struct ItemField {
  const char* name;
  std::u16string TRepo::*member;
  bool number;
};

constexpr ItemField kItemFields[] = {
    {"name", &TRepo::iName, false},   {"description", &TRepo::iDescription, false},
    {"uid", &TRepo::iUid, true},      {"key", &TRepo::iKey, true},
    {"type", &TRepo::iType, true},    {"view", &TRepo::iViewType, true},
    {"min", &TRepo::iMinValue, true}, {"max", &TRepo::iMaxValue, true}};

bool SameNumber(const std::u16string& a, const std::u16string& b) {
  const auto x = NumberIfAny(a);
  const auto y = NumberIfAny(b);
  return x && y ? *x == *y : a == b;
}

// A number text by its value, any other text as itself.
std::u16string Identity(const std::u16string& text) {
  const auto value = NumberIfAny(text);
  return value ? u"#" + DecimalText(*value) : u"'" + text;
}

using ItemKey = std::pair<std::u16string, std::u16string>;

ItemKey KeyOf(const TRepo& item) {
  return {Identity(item.iUid), Identity(item.iKey)};
}

std::vector<FieldChange> DiffPluginFields(const PluginFieldTexts& a, const PluginFieldTexts& b) {
  const std::pair<const char*, PluginField> fields[] = {{"file", PluginField::PluginName},
                                                        {"name", PluginField::SetName},
                                                        {"description", PluginField::SetDescr},
                                                        {"uid", PluginField::SetUID}};
  std::vector<FieldChange> changes;
  for (const auto& [name, field] : fields) {
    const std::u16string& x = a.Text(field);
    const std::u16string& y = b.Text(field);
    const bool same =
        field == PluginField::SetDescr ? WithoutLineBreaks(x) == WithoutLineBreaks(y) : x == y;
    if (!same)
      changes.push_back({name, x, y});
  }
  return changes;
}

bool IsInteger(const TRepo& item) {
  return NumberIfAny(item.iType) == kTypeInteger;
}

// Entries alike at the start and at the end are passed over; those between are paired in
// order as changed, and what is left over is added or removed.
std::vector<EntryChange> DiffEntries(const TRepo& a, const TRepo& b) {
  const bool numbers = IsInteger(a) && IsInteger(b);
  const auto sameValue = [numbers](const TComboElement& x, const TComboElement& y) {
    return numbers ? SameNumber(x.iValue, y.iValue) : x.iValue == y.iValue;
  };
  const auto same = [&](const TComboElement& x, const TComboElement& y) {
    return x.iDescription == y.iDescription && sameValue(x, y);
  };
  const auto& x = a.iComboElements;
  const auto& y = b.iComboElements;
  size_t head = 0;
  while (head < x.size() && head < y.size() && same(x[head], y[head]))
    ++head;
  size_t tail = 0;
  while (tail < x.size() - head && tail < y.size() - head &&
         same(x[x.size() - 1 - tail], y[y.size() - 1 - tail]))
    ++tail;
  const size_t fromA = x.size() - head - tail;
  const size_t fromB = y.size() - head - tail;
  std::vector<EntryChange> changes;
  for (size_t k = 0; k < std::max(fromA, fromB); ++k) {
    const size_t place = head + k + 1;
    if (k >= fromB) {
      changes.push_back({place, 0, x[head + k], {}, false, false});
    } else if (k >= fromA) {
      changes.push_back({0, place, {}, y[head + k], false, false});
    } else if (!same(x[head + k], y[head + k])) {
      changes.push_back({place, place, x[head + k], y[head + k],
                         x[head + k].iDescription != y[head + k].iDescription,
                         !sameValue(x[head + k], y[head + k])});
    }
  }
  return changes;
}

// An item on one side only when a or b is null.
ItemChange Change(size_t from, const TRepo* a, size_t to, const TRepo* b) {
  ItemChange change;
  change.from = from;
  change.a = a;
  change.to = to;
  change.b = b;
  return change;
}

ItemChange CompareItems(size_t from, const TRepo& a, size_t to, const TRepo& b) {
  ItemChange change = Change(from, &a, to, &b);
  for (const ItemField& field : kItemFields) {
    const std::u16string& x = a.*field.member;
    const std::u16string& y = b.*field.member;
    if (field.number ? !SameNumber(x, y) : x != y)
      change.fields.push_back({field.name, x, y});
  }
  change.entries = DiffEntries(a, b);
  return change;
}

// For each item of B, the index of its match in A (kNone for none): items with the same
// UID and key pair up in their order.
std::vector<size_t> MatchesInA(const RepoItems& a, const RepoItems& b) {
  std::map<ItemKey, std::deque<size_t>> waiting;
  for (size_t i = 0; i < a.Count(); ++i)
    waiting[KeyOf(a.At(i))].push_back(i);
  std::vector<size_t> match(b.Count(), kNone);
  for (size_t j = 0; j < b.Count(); ++j) {
    const auto found = waiting.find(KeyOf(b.At(j)));
    if (found != waiting.end() && !found->second.empty()) {
      match[j] = found->second.front();
      found->second.pop_front();
    }
  }
  return match;
}

// The matched items of B that keep their order from A: a longest run of increasing A
// indices, so that the fewest items count as moved.
std::vector<bool> KeptInOrder(const std::vector<size_t>& match) {
  std::vector<size_t> ends;  // ends[k]: the B index ending the best run of length k + 1
  std::vector<size_t> previous(match.size(), kNone);
  for (size_t j = 0; j < match.size(); ++j) {
    if (match[j] == kNone)
      continue;
    const auto at = std::lower_bound(ends.begin(), ends.end(), match[j],
                                     [&](size_t end, size_t value) { return match[end] < value; });
    previous[j] = at == ends.begin() ? kNone : *(at - 1);
    if (at == ends.end())
      ends.push_back(j);
    else
      *at = j;
  }
  std::vector<bool> kept(match.size(), false);
  for (size_t j = ends.empty() ? kNone : ends.back(); j != kNone; j = previous[j])
    kept[j] = true;
  return kept;
}

// For each item of B, the A index of the first item at or after it that keeps its order
// (A's size when none does): the place in A where B's item stands.
std::vector<size_t> PlacesInA(const std::vector<size_t>& match, const std::vector<bool>& kept,
                              size_t countA) {
  std::vector<size_t> place(match.size());
  size_t next = countA;
  for (size_t j = match.size(); j-- > 0;) {
    if (kept[j])
      next = match[j];
    place[j] = next;
  }
  return place;
}

// In B's order; an item removed from A comes before the first item of B that stands after
// it in A, so that removals and additions in one place are read together.
std::vector<ItemChange> DiffItems(const RepoItems& a, const RepoItems& b) {
  const std::vector<size_t> match = MatchesInA(a, b);
  const std::vector<bool> kept = KeptInOrder(match);
  const std::vector<size_t> place = PlacesInA(match, kept, a.Count());
  std::vector<bool> matchedInA(a.Count(), false);
  for (size_t i : match)
    if (i != kNone)
      matchedInA[i] = true;
  std::vector<ItemChange> changes;
  size_t nextRemoved = 0;
  const auto removedBefore = [&](size_t end) {
    for (; nextRemoved < end; ++nextRemoved)
      if (!matchedInA[nextRemoved])
        changes.push_back(Change(nextRemoved + 1, &a.At(nextRemoved), 0, nullptr));
  };
  for (size_t j = 0; j < b.Count(); ++j) {
    if (match[j] == kNone || kept[j])
      removedBefore(place[j]);
    if (match[j] == kNone) {
      changes.push_back(Change(0, nullptr, j + 1, &b.At(j)));
      continue;
    }
    ItemChange change = CompareItems(match[j] + 1, a.At(match[j]), j + 1, b.At(j));
    change.moved = !kept[j];
    if (change.moved || !change.fields.empty() || !change.entries.empty())
      changes.push_back(std::move(change));
  }
  removedBefore(a.Count());
  return changes;
}

}  // namespace

PluginDiff DiffPlugins(const PluginFieldTexts& aFields, const RepoItems& a,
                       const PluginFieldTexts& bFields, const RepoItems& b) {
  return {DiffPluginFields(aFields, bFields), DiffItems(a, b)};
}

}  // namespace pw
