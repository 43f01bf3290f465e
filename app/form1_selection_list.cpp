// The selection-list commands and the bounds the editor derives from the entry values.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "app/field_text.h"
#include "app/form1.h"
#include "app/list_box.h"
#include "model/number_text.h"
#include "model/selector_codes.h"

namespace pw {
namespace {

constexpr int64_t kTopBound = 2147483647;
constexpr auto kTopBoundText = u"0x7fffffff";
// From 63 entries on, 2 to the power of the count no longer reads as a 64-bit number.
constexpr int kWidestBitmask = 62;

int32_t NumberOf(const QString& text) {
  return ReadNumberText(ToU16(text));
}

void SetCount(QLabel* label, const QListWidget* list) {
  label->setText(ToQString(DecimalText(list->count())));
}

}  // namespace

void TForm1::Button1Click() {
  AppendLine(ComboListNames, NewComboName->text());
  SelectRow(ComboListNames, ComboListNames->count() - 1);
  AppendLine(ComboListValues, NewComboValue->text());
  SelectRow(ComboListValues, ComboListValues->count() - 1);
  SetCount(ComboNum, ComboListValues);
  if (CheckBox2->isChecked())
    IncreaseNumberField(NewComboValue);
  UpdateBoundsFromValues();
  UnmarkValueButtons();
  RepUIDChange();
}

void TForm1::Button7Click() {
  if (const int row = SelectedRow(ComboListNames); row >= 0) {
    ReplaceLine(ComboListNames, row, NewComboName->text());
    ReplaceLine(ComboListValues, SelectedRow(ComboListValues), NewComboValue->text());
  }
  UpdateBoundsFromValues();
  UnmarkValueButtons();
  RepUIDChange();
}

void TForm1::Button2Click() {
  for (ListBox* list : {ComboListNames, ComboListValues}) {
    int row = SelectedRow(list);
    DeleteSelectedLine(list);
    if (list->count() > 0 && row >= list->count())
      --row;
    SelectRow(list, row);
  }
  SetCount(ComboNum, ComboListValues);
  UpdateBoundsFromValues();
  RepUIDChange();
}

void TForm1::ComboListNamesKeyDown() {
  FollowSelection(ComboListNames, ComboListValues);
}

void TForm1::ComboListNamesMouseDown() {
  FollowSelection(ComboListNames, ComboListValues);
}

void TForm1::ComboListValuesKeyDown() {
  FollowSelection(ComboListValues, ComboListNames);
}

void TForm1::ComboListValuesMouseDown() {
  FollowSelection(ComboListValues, ComboListNames);
}

void TForm1::FollowSelection(ListBox* source, ListBox* other) {
  const int row = SelectedRow(source);
  SelectRow(other, row);
  if (row < 0)
    return;
  NewComboName->setText(LineAt(ComboListNames, SelectedRow(ComboListNames)));
  NewComboValue->setText(LineAt(ComboListValues, SelectedRow(ComboListValues)));
}

void TForm1::UpdateBoundsFromValues() {
  const int view = KeyView->currentIndex();
  if (view == kViewCommon) {
    BoundsFromCommonValues();
  } else if (view == kViewBitmask) {
    const int count = ComboListValues->count();
    MinValue->setText(QStringLiteral("0"));
    SetFieldText(MaxValue, count <= kWidestBitmask ? DecimalText(int64_t{1} << count)
                                                   : std::u16string(kTopBoundText));
  }
  if (ReadNumberText64(FieldText(MaxValue)) > kTopBound)
    SetFieldText(MaxValue, kTopBoundText);
}

// The lower bound is the smaller of 100 and the smallest value, the upper bound the larger
// of -100 and the largest; among equal values the first line's text stays.
void TForm1::BoundsFromCommonValues() {
  MaxValue->setText(QStringLiteral("-100"));
  MinValue->setText(QStringLiteral("100"));
  for (int k = 0; k < ComboListValues->count(); ++k) {
    const QString line = LineAt(ComboListValues, k);
    if (NumberOf(line) < NumberOf(MinValue->text()))
      MinValue->setText(line);
  }
  for (int k = 0; k < ComboListValues->count(); ++k) {
    const QString line = LineAt(ComboListValues, k);
    if (NumberOf(line) > NumberOf(MaxValue->text()))
      MaxValue->setText(line);
  }
}

}  // namespace pw
