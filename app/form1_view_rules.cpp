// The rules that keep the editor consistent while the user types: views, marks, key filters.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/form1.h"
#include "app/uid_digits_validator.h"
#include "model/selector_codes.h"

namespace pw {
namespace {

constexpr int kTypeIndexString = kTypeString - kTypeReal;
constexpr int kTypeIndexInteger = kTypeInteger - kTypeReal;

const QColor kSaveMark(0, 128, 0);
const QColor kAddMark(255, 0, 0);

// Marked: bold in the mark's colour; unmarked: regular in the inherited text colour.
void SetMark(QPushButton* button, const QColor* mark) {
  QFont font = button->font();
  font.setBold(mark != nullptr);
  button->setFont(font);
  if (mark == nullptr) {
    button->setPalette(QPalette());
    return;
  }
  QPalette palette = button->palette();
  palette.setColor(QPalette::ButtonText, *mark);
  button->setPalette(palette);
}

bool IsEnter(const QKeyEvent& key) {
  return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

}  // namespace

void TForm1::RepUIDChange() {
  SetMark(Button6, &kSaveMark);
  SetMark(Button4, &kAddMark);
}

void TForm1::NewComboNameChange() {
  SetMark(Button7, &kSaveMark);
  SetMark(Button1, &kAddMark);
}

void TForm1::UnmarkItemButtons() {
  SetMark(Button6, nullptr);
  SetMark(Button4, nullptr);
}

void TForm1::UnmarkValueButtons() {
  SetMark(Button7, nullptr);
  SetMark(Button1, nullptr);
}

void TForm1::isComboClick() {
  RepUIDChange();
  const bool checked = isCombo->isChecked();
  GroupBox1->setEnabled(checked);
  SetClientWidth(checked ? kWideWidth : kNarrowWidth);
}

void TForm1::KeyViewChange() {
  RepUIDChange();
  ShowBoundFields(true);
  ShowSeparatorField(false);
  Label15->hide();
  ComboBox1->hide();
  const int view = KeyView->currentIndex();
  switch (view) {
    case kViewUidSet:
    case kViewPath:
    case kViewApplication:
    case kViewTrackBar:
      isCombo->setChecked(false);
      isCombo->setEnabled(false);
      break;
    case kViewBitmask:
      isCombo->setChecked(true);
      isCombo->setEnabled(false);
      break;
    default:
      isCombo->setEnabled(true);
  }
  if (view == kViewUidSet || view == kViewPath)
    KeyType->setCurrentIndex(kTypeIndexString);
  else if (view == kViewBitmask || view == kViewApplication || view == kViewTrackBar)
    KeyType->setCurrentIndex(kTypeIndexInteger);
  if (view == kViewUidSet) {
    ShowBoundFields(false);
    ShowSeparatorField(true);
  } else if (view == kViewPath) {
    ShowBoundFields(false);
    Label15->show();
    ComboBox1->show();
  }
}

void TForm1::ShowBoundFields(bool shown) {
  for (QWidget* field : {static_cast<QWidget*>(Label7), static_cast<QWidget*>(MinValue),
                         static_cast<QWidget*>(Label8), static_cast<QWidget*>(MaxValue)})
    field->setVisible(shown);
}

void TForm1::ShowSeparatorField(bool shown) {
  LabeledEdit1Label->setVisible(shown);
  LabeledEdit1->setVisible(shown);
}

void TForm1::LabeledEdit1Change() {
  if (LabeledEdit1->text().size() > 1)
    LabeledEdit1->setText(LabeledEdit1->text().left(1));
}

bool TForm1::TweakDescrKeyPress(const QKeyEvent& key) const {
  return IsEnter(key);
}

bool TForm1::SetUIDKeyPress(const QKeyEvent& key) const {
  // Keys that type no character (arrows, Delete, Tab, shortcuts) are not the filter's business.
  // A shortcut may carry its letter as text: Control, with or without Shift, makes a key a
  // shortcut, as the field itself sees it. What a paste brings is the validator's business.
  const QChar typed = key.text().isEmpty() ? QChar() : key.text().front();
  const bool backspace = typed == QChar(8);
  const Qt::KeyboardModifiers shortcut = key.modifiers() & ~Qt::ShiftModifier;
  if (!backspace && (!typed.isPrint() || shortcut == Qt::ControlModifier))
    return false;
  if (SetUID->text().size() >= kSetUidDigits && !backspace)
    return true;
  return !backspace && !IsHexDigit(typed);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress)
    return QWidget::eventFilter(watched, event);
  const auto& key = static_cast<const QKeyEvent&>(*event);
  bool discard = false;
  RunHandler([&] { discard = watched == SetUID ? SetUIDKeyPress(key) : TweakDescrKeyPress(key); });
  return discard;
}

}  // namespace pw
