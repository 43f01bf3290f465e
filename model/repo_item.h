// The tweak item: a record of texts with an optional selection list.
#pragma once

#include <string>
#include <vector>

namespace pw {

// One entry of a selection list.
struct TComboElement {
  std::u16string iDescription;  // the text the phone user sees
  std::u16string iValue;        // number text for Integer items, any text for String items

  bool operator==(const TComboElement&) const = default;
};

// One tweak item; every field is text, kept exactly as typed or read.
struct TRepo {
  std::u16string iName;
  std::u16string iDescription;
  std::u16string iUid;
  std::u16string iKey;
  std::u16string iType;
  std::u16string iViewType;
  std::u16string iMinValue;
  std::u16string iMaxValue;
  std::u16string iNumOfCombo = u"0";
  std::vector<TComboElement> iComboElements;

  bool operator==(const TRepo&) const = default;
};

// The item's line in the item list box: "[ key ] name  "description"".
std::u16string RepoListLine(const TRepo& item);

}  // namespace pw
