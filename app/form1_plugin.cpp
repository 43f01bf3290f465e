// "Save plugin", "Open plugin" and "Associate *.qvx": the window's plugin commands.
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>

#include "app/field_text.h"
#include "app/form1.h"
#include "app/list_box.h"
#include "app/memo.h"
#include "archive/archiver.h"
#include "desktop/file_association.h"
#include "package/open_plugin.h"
#include "package/save_plugin.h"

namespace pw {
namespace {

std::optional<QString> RunToolkitOpenDialog(QWidget* parent, const OpenDialogSettings& dialog) {
  const QString start = dialog.fileName.isEmpty() ? dialog.initialDir : dialog.fileName;
  const QString chosen = QFileDialog::getOpenFileName(
      parent, QString(), start,
      dialog.filterName + QStringLiteral(" (") + dialog.filterPattern + QStringLiteral(")"));
  if (chosen.isEmpty())
    return std::nullopt;
  return QDir::toNativeSeparators(chosen);
}

}  // namespace

void TForm1::Button11Click() {
  if (SavePlugin(*this, *archiver_, workingFolder_, Prompts()))
    KeepAsSaved();
}

// Cancel cancels: the dialog's file name and the editor stay as they were.
void TForm1::Button12Click() {
  const std::optional<QString> chosen =
      runOpenDialog_ ? runOpenDialog_(openDialog_) : RunToolkitOpenDialog(this, openDialog_);
  if (!chosen)
    return;
  openDialog_.fileName = *chosen;
  OpenPluginFile(openDialog_.fileName);
}

// Shows nothing when it succeeds.
void TForm1::Button13Click() {
  if (registerExtension_)
    registerExtension_();
  else
    RegisterPackageExtension(std::filesystem::path(ToU16(QCoreApplication::applicationFilePath())));
}

void TForm1::OpenPluginFile(const QString& path) {
  const size_t itemsBefore = items_.Count();
  listCleared_ = false;
  OpenPlugin(*this, *archiver_, std::filesystem::path(ToU16(path)), workingFolder_, Prompts());
  if (ShowsOpenedPackage(itemsBefore))
    KeepAsSaved();
}

std::u16string TForm1::PluginFieldText(PluginField field) const {
  switch (field) {
    case PluginField::PluginName:
      return pw::FieldText(PluginName);
    case PluginField::SetName:
      return pw::FieldText(SetName);
    case PluginField::SetDescr:
      return SetDescr->ExactText();
    case PluginField::SetUID:
      return pw::FieldText(SetUID);
  }
  return {};
}

void TForm1::FieldRead(PluginField field, const std::u16string& text) {
  switch (field) {
    case PluginField::PluginName:
      SetFieldText(PluginName, text);
      break;
    case PluginField::SetName:
      SetFieldText(SetName, text);
      break;
    case PluginField::SetDescr:
      SetDescr->SetExactText(text);
      break;
    case PluginField::SetUID:
      SetFieldText(SetUID, text);
      break;
  }
}

bool TForm1::ListShowsLines() const {
  return RepoList->count() > 0;
}

bool TForm1::JoinMode() const {
  return CheckBox1->isChecked();
}

void TForm1::ClearItems() {
  listCleared_ = true;
  items_.Clear();
  ClearItemEditors();
  ClearLines(RepoList);
}

}  // namespace pw
