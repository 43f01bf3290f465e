// The editor window: its fields, its handlers and its own dialogs.
#pragma once

#include <QStringList>
#include <QWidget>
#include <exception>
#include <functional>

#include <filesystem>
#include <memory>
#include <optional>

#include "app/open_dialog.h"
#include "model/repo_items.h"
#include "package/plugin_editor.h"
#include "platform/user_prompts.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QVBoxLayout;

namespace pw {

class ListBox;
class Memo;
class TForm1;

// What the program hands the window when it creates it.
struct FormStartup {
  QStringList arguments;  // the command line without the program itself
  // Opens the package named as the program's only argument, without the dialog.
  std::function<void(TForm1& form, const QString& path)> openAtStart;
  UserPrompts* prompts = nullptr;  // nullptr: the window's own dialogs
  // Runs the open-file dialog; no value when the user cancels. Empty: the toolkit's dialog.
  std::function<std::optional<QString>(const OpenDialogSettings& dialog)> runOpenDialog;
  // Where plugin folders and "temp" go. Empty: beside the program when it may write there,
  // else the user's data folder.
  std::filesystem::path workingFolder;
  // Registers the package extension with the desktop. Empty: the platform's own mechanism.
  std::function<void()> registerExtension;
};

class TZFBaseArchiver;

class TForm1 : public QWidget, public UserPrompts, private PluginEditor {
  Q_OBJECT

 public:
  static constexpr int kNarrowWidth = 477;
  static constexpr int kWideWidth = 767;
  static constexpr int kClientHeight = 638;

  explicit TForm1(const FormStartup& startup = {}, QWidget* parent = nullptr);
  ~TForm1() override;

  const RepoItems& Items() const override { return items_; }
  // Appends an item and its line; no line is selected by it.
  void AppendItem(TRepo item) override;
  // Opens the package at path as "Open plugin" does after its dialog.
  void OpenPluginFile(const QString& path);
  const std::filesystem::path& WorkingFolder() const { return workingFolder_; }
  const OpenDialogSettings& OpenDialog1() const { return openDialog_; }
  UserPrompts& Prompts() { return *prompts_; }

  void ShowMessage(const std::string& text) override;
  void ShowError(const std::string& message) override;
  PromptButton Confirm(const std::string& text, const std::vector<PromptButton>& buttons) override;
  std::optional<std::string> AskPassword(const std::string& entryName,
                                         const std::string& currentPassword) override;

 public slots:
  void KeyViewChange();
  void isComboClick();
  void RepUIDChange();
  void NewComboNameChange();
  void LabeledEdit1Change();

  void Button4Click();
  void Button6Click();
  void Button3Click();
  void RepoListClick();
  void SpinButton1UpClick();
  void SpinButton1DownClick();
  void ClearItemEditors();

  void Button1Click();
  void Button7Click();
  void Button2Click();
  void ComboListNamesKeyDown();
  void ComboListNamesMouseDown();
  void ComboListValuesKeyDown();
  void ComboListValuesMouseDown();
  void UpdateBoundsFromValues();

  void Button11Click();
  void Button12Click();
  void Button13Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildItemEditor(QVBoxLayout* column);
  void BuildItemList(QVBoxLayout* column);
  void BuildPluginFields(QVBoxLayout* column);
  void BuildInfoLabels(QVBoxLayout* column);
  void BuildSelectionPanel();
  void SetAccessibleNames();
  void Wire();
  void FormCreate(const FormStartup& startup);

  // Key filters: true when the typed character is to be discarded.
  bool TweakDescrKeyPress(const QKeyEvent& key) const;
  bool SetUIDKeyPress(const QKeyEvent& key) const;

  void SetClientWidth(int width);
  void ShowBoundFields(bool shown);
  void ShowSeparatorField(bool shown);
  void UnmarkItemButtons();
  void UnmarkValueButtons();
  bool ItemCheckPasses() const;
  TRepo EditorItem() const;
  void ItemBoundsFromEditor(TRepo& item) const;
  void LoadItemBounds(const TRepo& item);
  void LoadItemEntries(const TRepo& item);
  void MoveSelectedItem(int step);
  void FollowSelection(ListBox* source, ListBox* other);
  void BoundsFromCommonValues();

  // Runs one handler; an error ends it and is shown in the standard error box.
  template <class Handler>
  void RunHandler(Handler&& handler) {
    try {
      handler();
    } catch (const std::exception& error) {
      Prompts().ShowError(error.what());
    }
  }
  auto Guarded(void (TForm1::*handler)()) {
    return [this, handler] { RunHandler([this, handler] { (this->*handler)(); }); };
  }

  // The plugin as saving and opening see it.
  std::u16string PluginFieldText(PluginField field) const override;
  void FieldRead(PluginField field, const std::u16string& text) override;
  bool ListShowsLines() const override;
  bool JoinMode() const override;
  void ClearItems() override;

  RepoItems items_;
  OpenDialogSettings openDialog_;
  std::function<std::optional<QString>(const OpenDialogSettings& dialog)> runOpenDialog_;
  std::filesystem::path workingFolder_;
  std::function<void()> registerExtension_;
  std::unique_ptr<TZFBaseArchiver> archiver_;
  UserPrompts* prompts_;
  bool centred_ = false;

  // Item editor.
  QLineEdit* TweakName;
  Memo* TweakDescr;
  QLineEdit* RepUID;
  QLineEdit* RepKey;
  QComboBox* KeyType;
  QComboBox* KeyView;
  QCheckBox* isCombo;
  QLabel* Label7;
  QLineEdit* MinValue;
  QLabel* Label8;
  QLineEdit* MaxValue;
  QLabel* LabeledEdit1Label;
  QLineEdit* LabeledEdit1;
  QLabel* Label15;
  QComboBox* ComboBox1;
  QCheckBox* IncKey;
  QPushButton* Button4;
  QPushButton* Button6;
  QPushButton* Button3;
  ListBox* RepoList;
  QWidget* SpinButton1;
  QToolButton* SpinButton1Up;
  QToolButton* SpinButton1Down;

  // Selection-list panel.
  QGroupBox* GroupBox1;
  QLabel* ComboNum;
  QLineEdit* NewComboName;
  QLineEdit* NewComboValue;
  QPushButton* Button1;
  QPushButton* Button7;
  ListBox* ComboListNames;
  ListBox* ComboListValues;
  QCheckBox* CheckBox2;
  QPushButton* Button2;

  // Plugin fields and commands. Button11, Button12 and Button13 get their click handlers
  // from the save, open and file association commands.
  QLineEdit* SetName;
  Memo* SetDescr;
  QLineEdit* PluginName;
  QLineEdit* SetUID;
  QPushButton* Button12;
  QPushButton* Button11;
  QCheckBox* CheckBox1;
  QPushButton* Button13;
};

}  // namespace pw
