// Encodings between the editor's selectors and an item's fields.
#pragma once

#include <string>
#include <string_view>

namespace pw {

inline constexpr int kTypeReal = 253;
inline constexpr int kTypeString = 254;
inline constexpr int kTypeInteger = 255;

// Views, by selector index.
enum ViewIndex {
  kViewCommon = 0,
  kViewUidSet,
  kViewPath,
  kViewBitmask,
  kViewApplication,
  kViewTrackBar
};

// Type selector index (0 Real, 1 String, 2 Integer) to the item's decimal code and back.
std::u16string TypeCodeFromIndex(int index);
int TypeIndexFromCode(std::u16string_view code);

// View selector index (0..5) to the item's decimal code (1..6) and back.
std::u16string ViewCodeFromIndex(int index);
int ViewIndexFromCode(std::u16string_view code);

// Separator character to iMinValue: the decimal code of its first unit, "0" for none.
std::u16string SeparatorCode(std::u16string_view separator);
// iMinValue to the separator: the character of the low 16 bits, empty for code 0.
std::u16string SeparatorFromCode(std::u16string_view code);

// Path kind (0 File, 1 Folder) to iMinValue and back.
std::u16string PathKindCode(int index);
int PathKindFromCode(std::u16string_view code);

}  // namespace pw
