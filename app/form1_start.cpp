// The window's start: handler wiring, FormCreate, the width switch and centring.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolButton>

#include "app/field_text.h"
#include "app/form1.h"
#include "app/list_box.h"
#include "app/memo.h"
#include "package/working_folder.h"

namespace pw {

// Text fields run their handler on every change; drop-downs and lists only on the user's
// choice (activated, or list events), so that a handler's own selection runs nothing.
void TForm1::Wire() {
  for (QLineEdit* field : {TweakName, RepUID, RepKey, MinValue, MaxValue})
    connect(field, &QLineEdit::textChanged, this, Guarded(&TForm1::RepUIDChange));
  connect(TweakDescr, &QPlainTextEdit::textChanged, this, Guarded(&TForm1::RepUIDChange));
  connect(KeyType, &QComboBox::activated, this, Guarded(&TForm1::RepUIDChange));
  connect(KeyView, &QComboBox::activated, this, Guarded(&TForm1::KeyViewChange));
  connect(isCombo, &QCheckBox::toggled, this, Guarded(&TForm1::isComboClick));
  connect(LabeledEdit1, &QLineEdit::textChanged, this, Guarded(&TForm1::LabeledEdit1Change));
  for (QLineEdit* field : {NewComboName, NewComboValue})
    connect(field, &QLineEdit::textChanged, this, Guarded(&TForm1::NewComboNameChange));
  for (QObject* field : {static_cast<QObject*>(TweakDescr), static_cast<QObject*>(SetDescr),
                         static_cast<QObject*>(SetUID)})
    field->installEventFilter(this);

  connect(Button4, &QPushButton::clicked, this, Guarded(&TForm1::Button4Click));
  connect(Button6, &QPushButton::clicked, this, Guarded(&TForm1::Button6Click));
  connect(Button3, &QPushButton::clicked, this, Guarded(&TForm1::Button3Click));
  connect(RepoList, &ListBox::lineChosen, this, Guarded(&TForm1::RepoListClick));
  connect(SpinButton1Up, &QToolButton::clicked, this, Guarded(&TForm1::SpinButton1UpClick));
  connect(SpinButton1Down, &QToolButton::clicked, this, Guarded(&TForm1::SpinButton1DownClick));

  connect(Button11, &QPushButton::clicked, this, Guarded(&TForm1::Button11Click));
  connect(Button12, &QPushButton::clicked, this, Guarded(&TForm1::Button12Click));
  connect(Button13, &QPushButton::clicked, this, Guarded(&TForm1::Button13Click));

  connect(Button1, &QPushButton::clicked, this, Guarded(&TForm1::Button1Click));
  connect(Button7, &QPushButton::clicked, this, Guarded(&TForm1::Button7Click));
  connect(Button2, &QPushButton::clicked, this, Guarded(&TForm1::Button2Click));
  for (auto signal : {&ListBox::keyDown, &ListBox::keyUp}) {
    connect(ComboListNames, signal, this, Guarded(&TForm1::ComboListNamesKeyDown));
    connect(ComboListValues, signal, this, Guarded(&TForm1::ComboListValuesKeyDown));
  }
  for (auto signal : {&ListBox::mouseDown, &ListBox::mouseUp}) {
    connect(ComboListNames, signal, this, Guarded(&TForm1::ComboListNamesMouseDown));
    connect(ComboListValues, signal, this, Guarded(&TForm1::ComboListValuesMouseDown));
  }
}

void TForm1::FormCreate(const FormStartup& startup) {
  SetClientWidth(kNarrowWidth);
  if (workingFolder_.empty())
    workingFolder_ =
        pw::WorkingFolder(std::filesystem::path(ToU16(QCoreApplication::applicationDirPath())));
  openDialog_.initialDir =
      QDir::toNativeSeparators(ToQString(workingFolder_.u16string()) + QLatin1Char('/'));
  if (startup.arguments.size() != 1)
    return;
  // A package named as the only argument opens before the window is first shown.
  openDialog_.fileName = startup.arguments.front();
  RunHandler([&] {
    if (startup.openAtStart)
      startup.openAtStart(*this, openDialog_.fileName);
    else
      OpenPluginFile(openDialog_.fileName);
  });
}

void TForm1::SetClientWidth(int width) {
  setFixedSize(width, kClientHeight);
}

void TForm1::showEvent(QShowEvent* event) {
  if (!centred_) {
    centred_ = true;
    if (const QScreen* desktop = screen())
      setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                      desktop->availableGeometry()));
  }
  QWidget::showEvent(event);
}

}  // namespace pw
