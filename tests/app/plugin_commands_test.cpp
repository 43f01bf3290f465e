// "Save plugin", "Open plugin" and the start-up open, through the window and real packages.
#include <QTemporaryDir>
#include <QTest>

#include "archive/archiver.h"
#include "desktop/association_error.h"
#include "package/open_plugin.h"
#include "package/package_archiver.h"
#include "package/plugin_editor.h"
#include "package/save_plugin.h"
#include "widget_names.h"
#include "window_harness.h"

using pw::test::Window;
using namespace pw::test::widgets;

namespace {

// A plugin as the package files hold it, without a window: for packages made elsewhere and
// for reading back what the window saved.
struct FilePlugin : pw::PluginEditor {
  pw::PluginFieldTexts fields;
  pw::RepoItems items;

  std::u16string PluginFieldText(pw::PluginField field) const override {
    switch (field) {
      case pw::PluginField::PluginName:
        return fields.pluginName;
      case pw::PluginField::SetName:
        return fields.setName;
      case pw::PluginField::SetDescr:
        return fields.setDescr;
      case pw::PluginField::SetUID:
        return fields.setUid;
    }
    return {};
  }
  void FieldRead(pw::PluginField field, const std::u16string& text) override {
    fields.FieldRead(field, text);
  }
  const pw::RepoItems& Items() const override { return items; }
  bool ListShowsLines() const override { return items.Count() > 0; }
  bool JoinMode() const override { return false; }
  void ClearItems() override { items.Clear(); }
  void AppendItem(pw::TRepo item) override { items.Append(std::move(item)); }
};

}  // namespace

class PluginCommandsTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir folder_;

  pw::FormStartup InFolder() const {
    pw::FormStartup startup;
    startup.workingFolder = folder_.path().toStdString();
    return startup;
  }
  QString Package() const { return folder_.filePath(QStringLiteral("my_tweak/my_tweak.qvx")); }

  // Three items as a user enters them, the first with a selection list.
  static void AddThreeItems(Window& window) {
    window.SetText(kTweakItemName, QStringLiteral("Vibra"));
    window.Toggle(kUseSelectionList);
    window.AddValues({QStringLiteral("0"), QStringLiteral("1")});
    window.Click(kAddItem);
    window.Toggle(kUseSelectionList);
    window.SetText(kTweakItemName, QStringLiteral("Second"));
    window.SetText(kKey, QStringLiteral("2"));
    window.Click(kAddItem);
    window.SetText(kTweakItemName, QStringLiteral("Third"));
    window.SetText(kKey, QStringLiteral("3"));
    window.Click(kAddItem);
  }

 private slots:
  void savedPluginComesBackAtTheNextStart() {
    QStringList lines;
    pw::RepoItems items;
    {
      Window window(InFolder());
      AddThreeItems(window);
      QCOMPARE(window.Lines(kTweakItems).size(), 3);
      window.Click(kSavePlugin);
      QCOMPARE(window.prompts.messages, std::vector<std::string>{"Готово!"});
      QVERIFY(window.prompts.errors.empty());
      lines = window.Lines(kTweakItems);
      items = window.form().Items();
    }
    QVERIFY(QFile::exists(Package()));
    pw::FormStartup startup = InFolder();
    startup.arguments = QStringList{Package()};
    Window reopened(startup);
    QVERIFY(reopened.prompts.errors.empty());
    QCOMPARE(reopened.Lines(kTweakItems), lines);
    QVERIFY(reopened.form().Items().All() == items.All());
    QCOMPARE(reopened.form().OpenDialog1().fileName, Package());
  }

  // A package made elsewhere, with a plugin name longer than the toolkit's default limit of a
  // one-line field and descriptions holding characters the text document would rewrite:
  // opened, its item saved in the editor and the plugin saved again, every text is as it was.
  void packageTextsComeBackExactly() {
    FilePlugin made;
    made.fields.pluginName = u"made_elsewhere";
    made.fields.setName = std::u16string(40000, u'N');
    made.fields.setDescr = u"no-break\u00a0space, line\u2028and paragraph\u2029separators";
    made.fields.setUid = u"00000";
    pw::TRepo item;
    item.iName = u"item";
    item.iDescription = u"a\u00a0b\u2028c\u2029d\ne\rf\r\n";
    item.iUid = u"0x12345678";
    item.iKey = u"1";
    item.iType = u"254";
    item.iViewType = u"1";
    item.iMinValue = u"0";
    item.iMaxValue = u"10";
    made.items.Append(item);
    const auto archiver = pw::MakePackageArchiver();
    pw::test::RecordingPrompts prompts;
    const std::filesystem::path workingFolder = folder_.path().toStdString();
    const std::optional<std::filesystem::path> package =
        pw::SavePlugin(made, *archiver, workingFolder, prompts);
    QVERIFY(package.has_value());

    pw::FormStartup startup = InFolder();
    startup.arguments = QStringList{QString::fromStdString(package->string())};
    {
      Window window(startup);
      window.ClickRow(kTweakItems, 0);
      window.Click(kSaveItem);
      window.Click(kSavePlugin);
      QVERIFY(window.prompts.errors.empty());
    }
    FilePlugin reopened;
    pw::OpenPlugin(reopened, *archiver, *package, workingFolder, prompts);
    QVERIFY(reopened.fields.setName == made.fields.setName);
    QCOMPARE(reopened.fields.setDescr, made.fields.setDescr);
    QVERIFY(reopened.items.All() == made.items.All());
    QVERIFY(prompts.errors.empty());
  }

  void cancelInTheOpenDialogChangesNothing() {
    pw::FormStartup startup = InFolder();
    int asked = 0;
    startup.runOpenDialog = [&](const pw::OpenDialogSettings&) -> std::optional<QString> {
      ++asked;
      return std::nullopt;
    };
    Window window(startup);
    AddThreeItems(window);
    const QStringList before = window.Lines(kTweakItems);
    window.Click(kOpenPlugin);
    QCOMPARE(asked, 1);
    QCOMPARE(window.Lines(kTweakItems), before);
    QVERIFY(window.prompts.messages.empty());
  }

  void chosenPackageReplacesOrJoins() {
    {
      Window saver(InFolder());
      AddThreeItems(saver);
      saver.Click(kSavePlugin);
    }
    pw::FormStartup startup = InFolder();
    startup.runOpenDialog = [&](const pw::OpenDialogSettings& dialog) -> std::optional<QString> {
      if (dialog.initialDir != QDir::toNativeSeparators(folder_.path() + '/'))
        return std::nullopt;
      return Package();
    };
    Window window(startup);
    window.Click(kAddItem);
    window.Click(kOpenPlugin);
    QCOMPARE(window.Lines(kTweakItems).size(), 3);
    window.Toggle(kJoin);
    window.Click(kOpenPlugin);
    QCOMPARE(window.Lines(kTweakItems).size(), 6);
    QVERIFY(window.prompts.messages.empty());
  }

  void associationFailureShowsTheErrorAndSuccessNothing() {
    pw::FormStartup startup = InFolder();
    bool refuse = true;
    startup.registerExtension = [&] {
      if (refuse)
        throw pw::AssociationError();
    };
    Window window(startup);
    window.Click(kAssociate);
    QCOMPARE(window.prompts.errors, std::vector<std::string>{"Failed to set data for ''"});
    refuse = false;
    window.Click(kAssociate);
    QCOMPARE(window.prompts.errors.size(), size_t{1});
    QVERIFY(window.prompts.messages.empty());
  }
};

QTEST_MAIN(PluginCommandsTest)
#include "plugin_commands_test.moc"
