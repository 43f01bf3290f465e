// The item commands: add, save, remove, select, move, and the reset of the item editor.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "app/field_text.h"
#include "app/form1.h"
#include "app/list_box.h"
#include "app/memo.h"
#include "model/number_text.h"
#include "model/selector_codes.h"
#include "platform/errors.h"

namespace pw {
namespace {

constexpr int kTypeIndexString = kTypeString - kTypeReal;

QString LineOf(const TRepo& item) {
  return ToQString(RepoListLine(item));
}

}  // namespace

bool TForm1::ItemCheckPasses() const {
  for (const QLineEdit* field : {TweakName, RepUID, RepKey, MinValue, MaxValue})
    if (field->text().isEmpty())
      return false;
  if (TweakDescr->toPlainText().isEmpty())
    return false;
  return !isCombo->isChecked() || ComboListNames->count() > 0;
}

TRepo TForm1::EditorItem() const {
  TRepo item;
  item.iName = FieldText(TweakName);
  item.iDescription = TweakDescr->ExactText();
  item.iUid = FieldText(RepUID);
  item.iKey = FieldText(RepKey);
  item.iType = TypeCodeFromIndex(KeyType->currentIndex());
  item.iViewType = ViewCodeFromIndex(KeyView->currentIndex());
  ItemBoundsFromEditor(item);
  if (isCombo->isChecked()) {
    for (int k = 0; k < ComboListNames->count(); ++k)
      item.iComboElements.push_back(
          {ToU16(LineAt(ComboListNames, k)), ToU16(LineAt(ComboListValues, k))});
    item.iNumOfCombo = DecimalText(ComboListNames->count());
  }
  return item;
}

void TForm1::ItemBoundsFromEditor(TRepo& item) const {
  switch (KeyView->currentIndex()) {
    case kViewUidSet:
      item.iMinValue = SeparatorCode(FieldText(LabeledEdit1));
      item.iMaxValue = u"0";
      break;
    case kViewPath:
      item.iMinValue = PathKindCode(ComboBox1->currentIndex());
      item.iMaxValue = u"0";
      break;
    default:
      item.iMinValue = FieldText(MinValue);
      item.iMaxValue = FieldText(MaxValue);
  }
}

void TForm1::AppendItem(TRepo item) {
  const QString line = LineOf(item);
  items_.Append(std::move(item));
  AppendLine(RepoList, line);
}

void TForm1::Button4Click() {
  if (!ItemCheckPasses()) {
    Prompts().ShowMessage("You must fill all fields!");
    return;
  }
  AppendItem(EditorItem());
  if (IncKey->isChecked())
    IncreaseNumberField(RepKey);
  SelectRow(RepoList, RepoList->count() - 1);
  UnmarkItemButtons();
}

void TForm1::Button6Click() {
  const int row = SelectedRow(RepoList);
  if (row < 0)
    return;
  if (!ItemCheckPasses()) {
    Prompts().ShowMessage("You must fill all fields!");
    return;
  }
  TRepo item = EditorItem();
  const QString line = LineOf(item);
  items_.Replace(static_cast<size_t>(row), std::move(item));
  ReplaceLine(RepoList, row, line);
  UnmarkItemButtons();
}

void TForm1::Button3Click() {
  const int row = SelectedRow(RepoList);
  if (row < 0 || RepoList->count() == 0)
    return;
  items_.RemoveAt(static_cast<size_t>(row));
  DeleteSelectedLine(RepoList);
  ClearItemEditors();
}

void TForm1::ClearItemEditors() {
  TweakName->clear();
  TweakDescr->clear();
  RepUID->clear();
  RepKey->clear();
  KeyType->setCurrentIndex(kTypeIndexString);
  KeyView->setCurrentIndex(kViewCommon);
  // Applying the view rules here keeps the bounds area and "Use selection list" in line
  // with the view the editor now shows.
  KeyViewChange();
  for (QLineEdit* field : {MinValue, MaxValue, NewComboValue, NewComboName})
    field->clear();
  ClearLines(ComboListNames);
  ClearLines(ComboListValues);
  isCombo->setChecked(false);
}

void TForm1::RepoListClick() {
  if (const int row = SelectedRow(RepoList); row >= 0) {
    const TRepo item = items_.At(static_cast<size_t>(row));
    SetFieldText(TweakName, item.iName);
    TweakDescr->SetExactText(item.iDescription);
    SetFieldText(RepUID, item.iUid);
    SetFieldText(RepKey, item.iKey);
    KeyType->setCurrentIndex(TypeIndexFromCode(item.iType));
    KeyView->setCurrentIndex(ViewIndexFromCode(item.iViewType));
    LoadItemBounds(item);
    LoadItemEntries(item);
  }
  KeyViewChange();
}

void TForm1::LoadItemBounds(const TRepo& item) {
  switch (KeyView->currentIndex()) {
    case kViewUidSet:
      SetFieldText(LabeledEdit1, SeparatorFromCode(item.iMinValue));
      break;
    case kViewPath:
      ComboBox1->setCurrentIndex(PathKindFromCode(item.iMinValue));
      break;
    default:
      SetFieldText(MinValue, item.iMinValue);
      SetFieldText(MaxValue, item.iMaxValue);
  }
}

void TForm1::LoadItemEntries(const TRepo& item) {
  ComboNum->setText(ToQString(item.iNumOfCombo));
  NewComboName->clear();
  ClearLines(ComboListNames);
  ClearLines(ComboListValues);
  if (item.iNumOfCombo == u"0") {
    isCombo->setChecked(false);
    return;
  }
  isCombo->setChecked(true);
  const int32_t count = ReadNumberText(item.iNumOfCombo);
  for (int32_t k = 0; k < count; ++k) {
    // An item read from a file may count more entries than it holds.
    if (static_cast<size_t>(k) >= item.iComboElements.size())
      throw ListIndexError(k);
    AppendLine(ComboListNames, ToQString(item.iComboElements[static_cast<size_t>(k)].iDescription));
    AppendLine(ComboListValues, ToQString(item.iComboElements[static_cast<size_t>(k)].iValue));
  }
  SelectRow(ComboListNames, 0);
  SelectRow(ComboListValues, 0);
  ComboNum->setText(ToQString(item.iNumOfCombo));
}

void TForm1::SpinButton1UpClick() {
  MoveSelectedItem(-1);
}

void TForm1::SpinButton1DownClick() {
  MoveSelectedItem(+1);
}

// Exchanges the selected item and line with the neighbour at row + step and follows it.
void TForm1::MoveSelectedItem(int step) {
  const int row = SelectedRow(RepoList);
  const int target = row + step;
  if (row < 0 || target < 0 || target >= RepoList->count() || RepoList->count() < 2)
    return;
  const QString held = LineAt(RepoList, row);
  ReplaceLine(RepoList, row, LineAt(RepoList, target));
  ReplaceLine(RepoList, target, held);
  items_.Exchange(static_cast<size_t>(row), static_cast<size_t>(target));
  SelectRow(RepoList, target);
}

}  // namespace pw
