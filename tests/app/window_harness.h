// Drives the editor window the way a user does and records the messages it shows.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "app/form1.h"
#include "platform/user_prompts.h"

namespace pw::test {

// Keeps what the window would have shown; errors as the text of the standard error box.
// Answers each question with the next of answers, Cancel when none is left.
class RecordingPrompts : public UserPrompts {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  void ShowError(const std::string& message) override {
    errors.push_back(StandardErrorText(message));
  }
  PromptButton Confirm(const std::string& text, const std::vector<PromptButton>& buttons) override {
    messages.push_back(text);
    offered = buttons;
    if (answers.empty())
      return PromptButton::Cancel;
    const PromptButton answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::optional<std::string> AskPassword(const std::string&, const std::string&) override {
    return std::nullopt;
  }

  std::vector<std::string> messages;
  std::vector<std::string> errors;
  std::deque<PromptButton> answers;
  std::vector<PromptButton> offered;  // by the last question
};

enum class Mark { None, Add, Save, Other };

// What a user might try in a list box to leave it with no line selected.
enum class Deselecting { BlankClick, ControlClick, ControlSpace };

// A shown editor window with recording prompts.
class Window {
 public:
  explicit Window(FormStartup startup = {});

  TForm1& form() { return *form_; }
  RecordingPrompts prompts;

  template <class Widget>
  Widget* Find(const char* name) const {
    auto* widget = form_->findChild<Widget*>(QString::fromLatin1(name));
    if (widget == nullptr)
      qFatal("no field %s", name);
    return widget;
  }
  QLineEdit* Edit(const char* name) const { return Find<QLineEdit>(name); }
  QPlainTextEdit* Memo(const char* name) const { return Find<QPlainTextEdit>(name); }
  QComboBox* DropDown(const char* name) const { return Find<QComboBox>(name); }
  QCheckBox* Check(const char* name) const { return Find<QCheckBox>(name); }
  QListWidget* List(const char* name) const { return Find<QListWidget>(name); }
  QLabel* Label(const char* name) const { return Find<QLabel>(name); }

  // User actions.
  void Click(const char* buttonName);
  // Runs a button's command where no user could click it (its panel disabled), the way
  // the click would: through the window's handler wiring.
  void RunCommand(const char* buttonName);
  void Choose(const char* dropDownName, int index);
  void ClickRow(const char* listName, int row);
  // A click below the last line, or control-click or control-space on the selected line.
  void TryToDeselect(const char* listName, Deselecting gesture);
  void PressKey(const char* widgetName, Qt::Key key);
  void Type(const char* widgetName, const QString& text);
  // Puts text on the clipboard and pastes it with the keyboard at the end of the field.
  void Paste(const char* widgetName, const QString& text);
  // Drags text from elsewhere and drops it at the end of the field.
  void Drop(const char* widgetName, const QString& text);
  void SetText(const char* lineEditName, const QString& text);
  void Toggle(const char* checkBoxName);
  // Fills the entry editor and runs "Add value" for each value.
  void AddValues(const QStringList& values);

  QStringList Lines(const char* listName) const;
  int SelectedRow(const char* listName) const;
  Mark MarkOf(const char* buttonName) const;

 private:
  std::unique_ptr<TForm1> form_;
};

}  // namespace pw::test

Q_DECLARE_METATYPE(pw::test::Deselecting)
