// The window's own message boxes and dialogs, the way the core's prompts appear on screen.
#include <QMessageBox>

#include "app/form1.h"
#include "app/password_dialog.h"

namespace pw {
namespace {

const QString kCaption = QStringLiteral("Qorvix Plugwright");

constexpr std::pair<PromptButton, QMessageBox::StandardButton> kButtons[] = {
    {PromptButton::Ok, QMessageBox::Ok},         {PromptButton::Cancel, QMessageBox::Cancel},
    {PromptButton::Abort, QMessageBox::Abort},   {PromptButton::Retry, QMessageBox::Retry},
    {PromptButton::Ignore, QMessageBox::Ignore},
};

QMessageBox::StandardButton ToStandard(PromptButton button) {
  for (const auto& [prompt, standard] : kButtons)
    if (prompt == button)
      return standard;
  return QMessageBox::NoButton;
}

PromptButton FromStandard(int standard) {
  for (const auto& [prompt, known] : kButtons)
    if (known == standard)
      return prompt;
  return PromptButton::Cancel;
}

int RunBox(QWidget* parent, QMessageBox::Icon icon, const std::string& text,
           QMessageBox::StandardButtons buttons) {
  QMessageBox box(icon, kCaption, QString::fromStdString(text), buttons, parent);
  box.setTextFormat(Qt::PlainText);
  return box.exec();
}

}  // namespace

void TForm1::ShowMessage(const std::string& text) {
  RunBox(this, QMessageBox::NoIcon, text, QMessageBox::Ok);
}

void TForm1::ShowError(const std::string& message) {
  RunBox(this, QMessageBox::Critical, StandardErrorText(message), QMessageBox::Ok);
}

PromptButton TForm1::Confirm(const std::string& text, const std::vector<PromptButton>& buttons) {
  QMessageBox::StandardButtons standard;
  for (PromptButton button : buttons)
    standard |= ToStandard(button);
  return FromStandard(RunBox(this, QMessageBox::Warning, text, standard));
}

std::optional<std::string> TForm1::AskPassword(const std::string& entryName,
                                               const std::string& currentPassword) {
  PasswordDialog dialog(QString::fromStdString(entryName), QString::fromStdString(currentPassword),
                        this);
  if (dialog.exec() != QDialog::Accepted)
    return std::nullopt;
  return dialog.Password().toStdString();
}

}  // namespace pw
