// "Save plugin", "Open plugin" and the start-up open, through the window and real packages.
#include <QTemporaryDir>
#include <QTest>

#include "desktop/association_error.h"
#include "window_harness.h"

using pw::test::Window;

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
    window.SetText("TweakName", QStringLiteral("Vibra"));
    window.Toggle("isCombo");
    window.AddValues({QStringLiteral("0"), QStringLiteral("1")});
    window.Click("Button4");
    window.Toggle("isCombo");
    window.SetText("TweakName", QStringLiteral("Second"));
    window.SetText("RepKey", QStringLiteral("2"));
    window.Click("Button4");
    window.SetText("TweakName", QStringLiteral("Third"));
    window.SetText("RepKey", QStringLiteral("3"));
    window.Click("Button4");
  }

 private slots:
  void savedPluginComesBackAtTheNextStart() {
    QStringList lines;
    pw::RepoItems items;
    {
      Window window(InFolder());
      AddThreeItems(window);
      QCOMPARE(window.Lines("RepoList").size(), 3);
      window.Click("Button11");
      QCOMPARE(window.prompts.messages, std::vector<std::string>{"Готово!"});
      QVERIFY(window.prompts.errors.empty());
      lines = window.Lines("RepoList");
      items = window.form().Items();
    }
    QVERIFY(QFile::exists(Package()));
    pw::FormStartup startup = InFolder();
    startup.arguments = QStringList{Package()};
    Window reopened(startup);
    QVERIFY(reopened.prompts.errors.empty());
    QCOMPARE(reopened.Lines("RepoList"), lines);
    QVERIFY(reopened.form().Items().All() == items.All());
    QCOMPARE(reopened.form().OpenDialog1().fileName, Package());
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
    const QStringList before = window.Lines("RepoList");
    window.Click("Button12");
    QCOMPARE(asked, 1);
    QCOMPARE(window.Lines("RepoList"), before);
    QVERIFY(window.prompts.messages.empty());
  }

  void chosenPackageReplacesOrJoins() {
    {
      Window saver(InFolder());
      AddThreeItems(saver);
      saver.Click("Button11");
    }
    pw::FormStartup startup = InFolder();
    startup.runOpenDialog = [&](const pw::OpenDialogSettings& dialog) -> std::optional<QString> {
      if (dialog.initialDir != QDir::toNativeSeparators(folder_.path() + '/'))
        return std::nullopt;
      return Package();
    };
    Window window(startup);
    window.Click("Button4");
    window.Click("Button12");
    QCOMPARE(window.Lines("RepoList").size(), 3);
    window.Toggle("CheckBox1");
    window.Click("Button12");
    QCOMPARE(window.Lines("RepoList").size(), 6);
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
    window.Click("Button13");
    QCOMPARE(window.prompts.errors, std::vector<std::string>{"Failed to set data for ''"});
    refuse = false;
    window.Click("Button13");
    QCOMPARE(window.prompts.errors.size(), size_t{1});
    QVERIFY(window.prompts.messages.empty());
  }
};

QTEST_MAIN(PluginCommandsTest)
#include "plugin_commands_test.moc"
