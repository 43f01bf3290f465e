// The editor window: its fields, its handlers and its own dialogs.
#pragma once

#include <QStringList>
#include <QWidget>
#include <array>
#include <exception>
#include <functional>

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "app/open_dialog.h"
#include "model/repo_items.h"
#include "package/plugin_editor.h"
#include "platform/user_prompts.h"

class QCheckBox;
class QCloseEvent;
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

  // The handlers and fields keep the names the window was designed with; each comment gives
  // the caption of its widget, of the label beside it, or, where neither shows a text, the
  // name a screen reader reads.
 public slots:
  void KeyViewChange();       // "Item view type:"
  void isComboClick();        // "Use selection list"
  void RepUIDChange();        // "UID: " and the other item fields
  void NewComboNameChange();  // "Text" and "Value"
  void LabeledEdit1Change();  // "Separator"

  void Button4Click();          // "Add item"
  void Button6Click();          // "Save item"
  void Button3Click();          // "Remove item"
  void RepoListClick();         // "Tweak items"
  void SpinButton1UpClick();    // "Move up"
  void SpinButton1DownClick();  // "Move down"
  void ClearItemEditors();

  void Button1Click();              // "Add value"
  void Button7Click();              // "Save value"
  void Button2Click();              // "Remove"
  void ComboListNamesKeyDown();     // "Selection list texts"
  void ComboListNamesMouseDown();   // "Selection list texts"
  void ComboListValuesKeyDown();    // "Selection list values"
  void ComboListValuesMouseDown();  // "Selection list values"
  void UpdateBoundsFromValues();

  void Button11Click();  // "Save plugin"
  void Button12Click();  // "Open plugin"
  void Button13Click();  // "Associate *.qvx"

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildItemEditor(QVBoxLayout* column);
  void BuildItemList(QVBoxLayout* column);
  void BuildPluginFields(QVBoxLayout* column);
  void BuildInfoLabels(QVBoxLayout* column);
  void BuildSelectionPanel();
  void SetAccessibleNames();
  void Wire();
  void WireShortcuts();
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

  // True when the window may close: nothing unsaved, or the user's answer to the question.
  bool FormCloseQuery();
  void OpenDroppedPackage(const QString& path);

  // The plugin as the close question compares it.
  struct PluginState {
    std::array<std::u16string, 4> fields;
    std::vector<TRepo> items;
    bool operator==(const PluginState&) const = default;
  };
  PluginState CurrentPlugin() const;
  // After a save or an open: the plugin as it now is counts as saved.
  void KeepAsSaved();
  bool HasUnsavedChanges() const;
  // Whether the open just run left the plugin as the package holds it.
  bool ShowsOpenedPackage(size_t itemsBefore) const;

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
  std::optional<PluginState> saved_;  // none before the first save or open
  bool listCleared_ = false;          // by the open in progress

  // Item editor.
  QLineEdit* TweakName;          // "Tweak item name"
  Memo* TweakDescr;              // "Tweak item description"
  QLineEdit* RepUID;             // "UID: "
  QLineEdit* RepKey;             // "Key:"
  QComboBox* KeyType;            // "Item type:"
  QComboBox* KeyView;            // "Item view type:"
  QCheckBox* isCombo;            // "Use selection list"
  QLabel* Label7;                // "Minimal value size"
  QLineEdit* MinValue;           // "Minimal value size"
  QLabel* Label8;                // "Maximal value size"
  QLineEdit* MaxValue;           // "Maximal value size"
  QLabel* LabeledEdit1Label;     // "Separator"
  QLineEdit* LabeledEdit1;       // "Separator"
  QLabel* Label15;               // "Select"
  QComboBox* ComboBox1;          // "Select"
  QCheckBox* IncKey;             // "increase key number"
  QPushButton* Button4;          // "Add item"
  QPushButton* Button6;          // "Save item"
  QPushButton* Button3;          // "Remove item"
  ListBox* RepoList;             // "Tweak items"
  QWidget* SpinButton1;          // "Move up" and "Move down"
  QToolButton* SpinButton1Up;    // "Move up"
  QToolButton* SpinButton1Down;  // "Move down"

  // Selection-list panel.
  QGroupBox* GroupBox1;      // "Selection list values"
  QLabel* ComboNum;          // "Count:"
  QLineEdit* NewComboName;   // "Text"
  QLineEdit* NewComboValue;  // "Value"
  QPushButton* Button1;      // "Add value"
  QPushButton* Button7;      // "Save value"
  ListBox* ComboListNames;   // "Selection list texts"
  ListBox* ComboListValues;  // "Selection list values"
  QCheckBox* CheckBox2;      // "Increase value"
  QPushButton* Button2;      // "Remove"

  // Plugin fields and commands. Button11, Button12 and Button13 get their click handlers
  // from the save, open and file association commands.
  QLineEdit* SetName;     // "Plugin name:"
  Memo* SetDescr;         // "Description:"
  QLineEdit* PluginName;  // "Plugin file"
  QLineEdit* SetUID;      // "Plugin uid: 0хfac"
  QPushButton* Button12;  // "Open plugin"
  QPushButton* Button11;  // "Save plugin"
  QCheckBox* CheckBox1;   // "join"
  QPushButton* Button13;  // "Associate *.qvx"
};

}  // namespace pw
