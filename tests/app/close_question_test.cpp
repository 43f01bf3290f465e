// The close question, Ctrl+S and Ctrl+O, and a package dropped on the window.
#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <functional>
#include <memory>

#include "widget_names.h"
#include "window_harness.h"

using pw::PromptButton;
using pw::test::Window;
using namespace pw::test::widgets;

namespace {

using Steps = std::function<void(Window&)>;

const std::string kQuestion =
    "The plugin has unsaved changes. Save the plugin before closing?\n"
    "OK saves it and closes the window, Ignore closes without saving, Cancel keeps the window "
    "open.";

void AddItem(Window& window, const QString& name, const QString& key) {
  window.SetText(kTweakItemName, name);
  window.SetText(kKey, key);
  window.Click(kAddItem);
}

void AddTwoItems(Window& window) {
  AddItem(window, QStringLiteral("First"), QStringLiteral("1"));
  AddItem(window, QStringLiteral("Second"), QStringLiteral("2"));
}

void AddTwoAndSave(Window& window) {
  AddTwoItems(window);
  window.Click(kSavePlugin);
}

// Drags files from a file manager, which also offers the first path as text, and drops them on
// target; the action the drop was taken with, IgnoreAction when it was refused.
Qt::DropAction DropFiles(QWidget* target, const QList<QUrl>& files) {
  QMimeData data;
  data.setUrls(files);
  data.setText(files.front().toString(QUrl::PreferLocalFile));
  const QPoint at = target->rect().center();
  const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
  QDragEnterEvent enter(at, offered, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &enter);
  if (!enter.isAccepted())
    return Qt::IgnoreAction;
  QDragMoveEvent move(at, offered, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &move);
  QDropEvent drop(at, offered, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &drop);
  return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}

}  // namespace

Q_DECLARE_METATYPE(Steps)
Q_DECLARE_METATYPE(pw::PromptButton)

class CloseQuestionTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir packages_;
  QString fixture_;  // a package of the two items of AddTwoItems
  std::unique_ptr<QTemporaryDir> work_;

  pw::FormStartup InFolder() const {
    pw::FormStartup startup;
    startup.workingFolder = work_->path().toStdString();
    return startup;
  }
  QString SavedPackage() const { return work_->filePath(QStringLiteral("my_tweak/my_tweak.qvx")); }

 private slots:
  void initTestCase() {
    pw::FormStartup startup;
    startup.workingFolder = packages_.path().toStdString();
    Window saver(startup);
    saver.SetText(kPluginFile, QStringLiteral("fixture"));
    AddTwoAndSave(saver);
    QCOMPARE(saver.prompts.messages, std::vector<std::string>{"Готово!"});
    fixture_ = QDir::toNativeSeparators(packages_.filePath(QStringLiteral("fixture/fixture.qvx")));
  }

  void init() { work_ = std::make_unique<QTemporaryDir>(); }

  void closeAsksOnlyWhenSomethingIsUnsaved_data() {
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<bool>("asked");
    const auto open = [this](Window& window) { window.form().OpenPluginFile(fixture_); };
    const auto saveThen = [](Steps change) {
      return Steps([change](Window& window) {
        AddTwoAndSave(window);
        change(window);
      });
    };
    QTest::newRow("nothing entered") << Steps([](Window&) {}) << false;
    QTest::newRow("plugin fields edited, no item")
        << Steps([](Window& window) { window.SetText(kPluginName, QStringLiteral("Mine")); })
        << false;
    QTest::newRow("item added") << Steps(AddTwoItems) << true;
    QTest::newRow("saved") << Steps(AddTwoAndSave) << false;
    QTest::newRow("saved, item added") << saveThen([](Window& window) {
      AddItem(window, QStringLiteral("Third"), QStringLiteral("3"));
    }) << true;
    QTest::newRow("saved, item changed") << saveThen([](Window& window) {
      window.ClickRow(kTweakItems, 0);
      window.SetText(kTweakItemName, QStringLiteral("Changed"));
      window.Click(kSaveItem);
    }) << true;
    QTest::newRow("saved, item removed") << saveThen([](Window& window) {
      window.ClickRow(kTweakItems, 0);
      window.Click(kRemoveItem);
    }) << true;
    QTest::newRow("saved, every item removed") << saveThen([](Window& window) {
      for (int k = 0; k < 2; ++k) {
        window.ClickRow(kTweakItems, 0);
        window.Click(kRemoveItem);
      }
    }) << false;
    QTest::newRow("saved, item moved") << saveThen([](Window& window) {
      window.ClickRow(kTweakItems, 0);
      window.Click(kMoveDown);
    }) << true;
    QTest::newRow("saved, plugin name edited")
        << saveThen([](Window& window) { window.SetText(kPluginName, QStringLiteral("Mine")); })
        << true;
    QTest::newRow("saved, description edited")
        << saveThen([](Window& window) { window.Type(kDescription, QStringLiteral("more")); })
        << true;
    QTest::newRow("saved, plugin file edited")
        << saveThen([](Window& window) { window.SetText(kPluginFile, QStringLiteral("other")); })
        << true;
    QTest::newRow("saved, plugin uid edited")
        << saveThen([](Window& window) { window.PressKey(kPluginUid, Qt::Key_Backspace); }) << true;
    QTest::newRow("saved, edited and edited back") << saveThen([](Window& window) {
      window.SetText(kPluginName, QStringLiteral("Mine"));
      window.SetText(kPluginName, QStringLiteral("Plugin name"));
    }) << false;
    QTest::newRow("opened") << Steps(open) << false;
    QTest::newRow("opened, item moved") << Steps([open](Window& window) {
      open(window);
      window.ClickRow(kTweakItems, 0);
      window.Click(kMoveDown);
    }) << true;
    QTest::newRow("opened over listed items") << Steps([open](Window& window) {
      AddItem(window, QStringLiteral("Own"), QStringLiteral("9"));
      open(window);
    }) << false;
    QTest::newRow("joined to listed items") << Steps([open](Window& window) {
      AddItem(window, QStringLiteral("Own"), QStringLiteral("9"));
      window.Toggle(kJoin);
      open(window);
    }) << true;
    QTest::newRow("joined to an empty list") << Steps([open](Window& window) {
      window.Toggle(kJoin);
      open(window);
    }) << false;
    QTest::newRow("item added, open that cannot parse") << Steps([this](Window& window) {
      AddTwoItems(window);
      window.form().OpenPluginFile(work_->filePath(QStringLiteral("notes.txt")));
    }) << true;
  }

  // Nothing is answered, which the question takes as Cancel.
  void closeAsksOnlyWhenSomethingIsUnsaved() {
    QFETCH(Steps, steps);
    QFETCH(bool, asked);
    Window window(InFolder());
    steps(window);
    QVERIFY(window.prompts.errors.empty());
    window.prompts.messages.clear();
    const bool closed = window.form().close();
    QCOMPARE(window.prompts.messages, asked ? std::vector{kQuestion} : std::vector<std::string>{});
    QCOMPARE(closed, !asked);
    QCOMPARE(window.form().isVisible(), asked);
  }

  void answerDecides_data() {
    QTest::addColumn<PromptButton>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("saves");
    QTest::newRow("OK") << PromptButton::Ok << true << true;
    QTest::newRow("Ignore") << PromptButton::Ignore << true << false;
    QTest::newRow("Cancel") << PromptButton::Cancel << false << false;
  }

  void answerDecides() {
    QFETCH(PromptButton, answer);
    QFETCH(bool, closes);
    QFETCH(bool, saves);
    Window window(InFolder());
    AddTwoItems(window);
    window.prompts.answers = {answer};
    QCOMPARE(window.form().close(), closes);
    QCOMPARE(window.prompts.offered,
             (std::vector{PromptButton::Ok, PromptButton::Ignore, PromptButton::Cancel}));
    QCOMPARE(QFile::exists(SavedPackage()), saves);
    std::vector<std::string> shown{kQuestion};
    if (saves)
      shown.push_back("Готово!");
    QCOMPARE(window.prompts.messages, shown);
    QVERIFY(window.prompts.errors.empty());
  }

  void failedSaveKeepsTheWindowOpen_data() {
    QTest::addColumn<QString>("pluginFile");
    QTest::addColumn<bool>("folderIsAFile");
    QTest::newRow("refused plugin file") << QStringLiteral("con") << false;
    QTest::newRow("working folder cannot be written") << QStringLiteral("my_tweak") << true;
  }

  // The error is shown, and the plugin is still unsaved: the next close asks again.
  void failedSaveKeepsTheWindowOpen() {
    QFETCH(QString, pluginFile);
    QFETCH(bool, folderIsAFile);
    pw::FormStartup startup = InFolder();
    if (folderIsAFile) {
      QFile file(work_->filePath(QStringLiteral("a file")));
      QVERIFY(file.open(QIODevice::WriteOnly));
      startup.workingFolder = file.fileName().toStdString();
    }
    Window window(startup);
    window.SetText(kPluginFile, pluginFile);
    AddTwoItems(window);
    window.prompts.answers = {PromptButton::Ok};
    QVERIFY(!window.form().close());
    QCOMPARE(window.prompts.errors.size(), size_t{1});
    QVERIFY(window.form().isVisible());
    QVERIFY(!window.form().close());
    QCOMPARE(window.prompts.messages, (std::vector{kQuestion, kQuestion}));
  }

  void controlSRunsSavePlugin_data() {
    QTest::addColumn<QString>("pluginFile");
    QTest::addColumn<bool>("saves");
    QTest::newRow("saved") << QStringLiteral("my_tweak") << true;
    QTest::newRow("refused plugin file") << QStringLiteral("con") << false;
  }

  // Pressed in the description, which takes most keys for itself.
  void controlSRunsSavePlugin() {
    QFETCH(QString, pluginFile);
    QFETCH(bool, saves);
    Window window(InFolder());
    window.SetText(kPluginFile, pluginFile);
    AddTwoItems(window);
    const QString description = window.Memo(kDescription)->toPlainText();
    window.Memo(kDescription)->setFocus();
    QTest::keyClick(window.Memo(kDescription), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(window.Memo(kDescription)->toPlainText(), description);
    QCOMPARE(QFile::exists(SavedPackage()), saves);
    if (saves) {
      QCOMPARE(window.prompts.messages, std::vector<std::string>{"Готово!"});
      QVERIFY(window.form().close());
      return;
    }
    QCOMPARE(window.prompts.errors.size(), size_t{1});
    window.Click(kSavePlugin);
    QCOMPARE(window.prompts.errors.size(), size_t{2});
    QCOMPARE(window.prompts.errors[0], window.prompts.errors[1]);
  }

  void controlORunsOpenPlugin() {
    pw::FormStartup startup = InFolder();
    int asked = 0;
    startup.runOpenDialog = [&](const pw::OpenDialogSettings&) -> std::optional<QString> {
      ++asked;
      return fixture_;
    };
    Window window(startup);
    AddItem(window, QStringLiteral("Own"), QStringLiteral("9"));
    window.Edit(kTweakItemName)->setFocus();
    QTest::keyClick(window.Edit(kTweakItemName), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(asked, 1);
    QCOMPARE(window.Lines(kTweakItems).size(), 2);
    QCOMPARE(window.form().OpenDialog1().fileName, fixture_);
    QVERIFY(window.form().close());
  }

  void droppedPackageOpens_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("join");
    QTest::addColumn<int>("lines");
    QTest::newRow("on the window") << QString() << false << 2;
    QTest::newRow("on the window, joining") << QString() << true << 3;
    QTest::newRow("on a text field, joining") << QString(kTweakItemName) << true << 3;
    QTest::newRow("on a description, joining") << QString(kTweakItemDescription) << true << 3;
  }

  // Joining keeps the item editor as it was: a field under the drop does not take the path.
  void droppedPackageOpens() {
    QFETCH(QString, target);
    QFETCH(bool, join);
    QFETCH(int, lines);
    Window window(InFolder());
    AddItem(window, QStringLiteral("Own"), QStringLiteral("9"));
    if (join)
      window.Toggle(kJoin);
    QWidget* on = &window.form();
    if (!target.isEmpty())
      on = window.Find<QWidget>(target.toLatin1().constData());
    if (auto* scrolled = qobject_cast<QAbstractScrollArea*>(on))
      on = scrolled->viewport();
    const QString name = window.Edit(kTweakItemName)->text();
    const QString description = window.Memo(kTweakItemDescription)->toPlainText();

    QCOMPARE(DropFiles(on, {QUrl::fromLocalFile(fixture_)}), Qt::CopyAction);
    QTRY_COMPARE(window.Lines(kTweakItems).size(), lines);
    QCOMPARE(window.form().OpenDialog1().fileName, fixture_);
    QVERIFY(window.prompts.messages.empty());
    QVERIFY(window.prompts.errors.empty());
    if (join) {
      QCOMPARE(window.Edit(kTweakItemName)->text(), name);
      QCOMPARE(window.Memo(kTweakItemDescription)->toPlainText(), description);
    }
  }

  void otherDropsAreRefused_data() {
    QTest::addColumn<QList<QUrl>>("files");
    const QUrl package = QUrl::fromLocalFile(fixture_);
    QTest::newRow("two packages") << QList<QUrl>{package, package};
    QTest::newRow("not a package")
        << QList<QUrl>{QUrl::fromLocalFile(fixture_ + QStringLiteral(".txt"))};
    QTest::newRow("not a local file")
        << QList<QUrl>{QUrl(QStringLiteral("https://example.com/fixture.qvx"))};
  }

  void otherDropsAreRefused() {
    QFETCH(QList<QUrl>, files);
    Window window(InFolder());
    AddItem(window, QStringLiteral("Own"), QStringLiteral("9"));
    QCOMPARE(DropFiles(&window.form(), files), Qt::IgnoreAction);
    QCoreApplication::processEvents();
    QCOMPARE(window.Lines(kTweakItems).size(), 1);
    QVERIFY(window.prompts.messages.empty());
  }
};

QTEST_MAIN(CloseQuestionTest)
#include "close_question_test.moc"
