// The password prompt for an encrypted package entry, laid out in dialog units.
#pragma once

#include <QDialog>

class QLineEdit;

namespace pw {

class PasswordDialog : public QDialog {
  Q_OBJECT

 public:
  PasswordDialog(const QString& entryName, const QString& currentPassword,
                 QWidget* parent = nullptr);

  QString Password() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLineEdit* edit_;
};

}  // namespace pw
