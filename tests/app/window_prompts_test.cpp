// The window's own dialogs: the plain message, the error box, the confirmation, the password.
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>

#include "window_harness.h"

using pw::PromptButton;

namespace {

// Runs inspect on the modal dialog that the next call opens, then lets act close it.
void WhenDialogOpens(std::function<void(QWidget*)> inspectAndClose) {
  QTimer::singleShot(0, [inspectAndClose] {
    QWidget* dialog = QApplication::activeModalWidget();
    QVERIFY(dialog != nullptr);
    inspectAndClose(dialog);
  });
}

QStringList ButtonTexts(const QMessageBox* box) {
  QStringList texts;
  for (const QAbstractButton* button : box->buttons())
    texts << button->text().remove('&');
  texts.sort();
  return texts;
}

struct BoxSeen {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QStringList buttons;
};

// Records a message box and presses the button with the given text.
void SeeBoxAndPress(BoxSeen& seen, const QString& press) {
  WhenDialogOpens([&seen, press](QWidget* dialog) {
    auto* box = qobject_cast<QMessageBox*>(dialog);
    QVERIFY(box != nullptr);
    seen = {box->windowTitle(), box->text(), box->icon(), ButtonTexts(box)};
    for (QAbstractButton* button : box->buttons())
      if (button->text().remove('&') == press)
        button->click();
  });
}

}  // namespace

class WindowPromptsTest : public QObject {
  Q_OBJECT

 private slots:
  void plainMessage() {
    pw::TForm1 form;
    BoxSeen seen;
    SeeBoxAndPress(seen, QStringLiteral("OK"));
    form.ShowMessage("You must fill all fields!");
    QCOMPARE(seen.title, QStringLiteral("Qorvix Plugwright"));
    QCOMPARE(seen.text, QStringLiteral("You must fill all fields!"));
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.buttons, QStringList{"OK"});
  }

  void errorBox_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("full stop added") << "Stream read error"
                                     << "Stream read error.";
    QTest::newRow("ends in a full stop") << "Disk is full."
                                         << "Disk is full.";
    QTest::newRow("ends in an apostrophe") << "value ''x''"
                                           << "value ''x''";
    QTest::newRow("ends in a letter") << "Готово"
                                      << "Готово.";
  }
  void errorBox() {
    QFETCH(QString, message);
    QFETCH(QString, shown);
    pw::TForm1 form;
    BoxSeen seen;
    SeeBoxAndPress(seen, QStringLiteral("OK"));
    form.ShowError(message.toStdString());
    QCOMPARE(seen.title, QStringLiteral("Qorvix Plugwright"));
    QCOMPARE(seen.text, shown);
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QCOMPARE(seen.buttons, QStringList{"OK"});
  }

  void confirmationOffersTheGivenButtons() {
    pw::TForm1 form;
    BoxSeen seen;
    SeeBoxAndPress(seen, QStringLiteral("Retry"));
    const PromptButton answer =
        form.Confirm("Disk is full. File processing error, possibly disk is full",
                     {PromptButton::Abort, PromptButton::Retry, PromptButton::Ignore});
    QCOMPARE(answer, PromptButton::Retry);
    QCOMPARE(seen.title, QStringLiteral("Qorvix Plugwright"));
    QCOMPARE(seen.buttons, (QStringList{"Abort", "Ignore", "Retry"}));
  }

  void passwordDialog() {
    pw::TForm1 form;
    QRect edit, ok, cancel, label;
    WhenDialogOpens([&](QWidget* dialog) {
      QCOMPARE(dialog->windowTitle(), QStringLiteral("Password for \"secret.txt\""));
      auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("PasswordEdit"));
      QCOMPARE(field->echoMode(), QLineEdit::Password);
      QCOMPARE(field->maxLength(), 255);
      QCOMPARE(field->selectedText(), QStringLiteral("old"));
      auto* okButton = dialog->findChild<QPushButton*>(QStringLiteral("PasswordOk"));
      QVERIFY(okButton->isDefault());
      edit = field->geometry();
      ok = okButton->geometry();
      cancel = dialog->findChild<QPushButton*>(QStringLiteral("PasswordCancel"))->geometry();
      label = dialog->findChild<QLabel*>(QStringLiteral("PasswordLabel"))->geometry();
      QVERIFY(dialog->rect().contains(edit.united(ok).united(cancel).united(label)));
      QTest::keyClicks(field, QStringLiteral("new"));
      QTest::keyClick(field, Qt::Key_Return);
    });
    QCOMPARE(form.AskPassword("secret.txt", "old"), std::optional<std::string>("new"));
    QCOMPARE(ok.width(), cancel.width());
    QCOMPARE(ok.top(), cancel.top());
    QVERIFY(ok.right() < cancel.left());
    QVERIFY(label.bottom() <= edit.top() + 1 && edit.bottom() < ok.top());
    QCOMPARE(edit.left(), label.left());
  }

  void passwordCancelled() {
    pw::TForm1 form;
    WhenDialogOpens([](QWidget* dialog) {
      dialog->findChild<QPushButton*>(QStringLiteral("PasswordCancel"))->click();
    });
    QCOMPARE(form.AskPassword("secret.txt", ""), std::nullopt);
  }
};

QTEST_MAIN(WindowPromptsTest)
#include "window_prompts_test.moc"
