// The editor window as the program starts it: fields, texts, fonts, names, order, start-up.
#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QScreen>
#include <QScrollBar>

#include "app/form2.h"
#include "platform/errors.h"
#include "window_harness.h"

using pw::test::Mark;
using pw::test::Window;

namespace {

// Tab reading order: a widget comes after another when it lies lower, or on the same row
// further right; the selection-list panel at the right edge comes after the left column.
bool ReadsAfter(const QRect& earlier, const QRect& later, bool samePane) {
  if (!samePane)
    return true;
  if (later.top() >= earlier.bottom())
    return true;
  const bool sameRow = later.center().y() < earlier.bottom() && later.top() >= earlier.top() - 8;
  return sameRow && later.left() > earlier.left();
}

}  // namespace

class StartStateTest : public QObject {
  Q_OBJECT

 private slots:
  void windowFrame() {
    Window window;
    pw::TForm1& form = window.form();
    QCOMPARE(form.objectName(), QStringLiteral("Form1"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Qorvix Plugwright"));
    QCOMPARE(form.size(), QSize(477, 638));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(form.font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(form.font().pointSize(), 8);
    const QRect desktop = form.screen()->availableGeometry();
    QVERIFY((form.geometry().center() - desktop.center()).manhattanLength() <= 2);
  }

  void startingTexts_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("text");
    const QString text = QStringLiteral("text");
    const std::tuple<const char*, QString, QString> rows[] = {
        {"TweakName", text, QStringLiteral("Tweak item name")},
        {"TweakDescr", QStringLiteral("plainText"), QStringLiteral("Tweak item description\n")},
        {"RepUIDLabel", text, QStringLiteral("UID: ")},
        {"RepUID", text, QStringLiteral("0x12345678")},
        {"RepKeyLabel", text, QStringLiteral("Key:")},
        {"RepKey", text, QStringLiteral("1")},
        {"KeyTypeLabel", text, QStringLiteral("Item type:")},
        {"KeyType", QStringLiteral("currentText"), QStringLiteral("String")},
        {"KeyViewLabel", text, QStringLiteral("Item view type:")},
        {"KeyView", QStringLiteral("currentText"), QStringLiteral("Common")},
        {"isCombo", text, QStringLiteral("Use selection list")},
        {"Label7", text, QStringLiteral("Minimal value size")},
        {"MinValue", text, QStringLiteral("0")},
        {"Label8", text, QStringLiteral("Maximal value size")},
        {"MaxValue", text, QStringLiteral("0x7fffffff")},
        {"LabeledEdit1Label", text, QStringLiteral("Separator")},
        {"LabeledEdit1", text, QString()},
        {"Label15", text, QStringLiteral("Select")},
        {"ComboBox1", QStringLiteral("currentText"), QStringLiteral("File")},
        {"IncKey", text, QStringLiteral("increase key number")},
        {"Button4", text, QStringLiteral("Add item")},
        {"Button6", text, QStringLiteral("Save item")},
        {"Button3", text, QStringLiteral("Remove item")},
        {"GroupBox1", QStringLiteral("title"), QStringLiteral("Selection list values")},
        {"ComboNumLabel", text, QStringLiteral("Count:")},
        {"ComboNum", text, QStringLiteral("0")},
        {"NewComboNameLabel", text, QStringLiteral("Text")},
        {"NewComboName", text, QString()},
        {"NewComboValueLabel", text, QStringLiteral("Value")},
        {"NewComboValue", text, QStringLiteral("0")},
        {"Button7", text, QStringLiteral("Save value")},
        {"Button1", text, QStringLiteral("Add value")},
        {"CheckBox2", text, QStringLiteral("Increase value")},
        {"Button2", text, QStringLiteral("Remove")},
        {"SetNameLabel", text, QStringLiteral("Plugin name:")},
        {"SetName", text, QStringLiteral("Plugin name")},
        {"SetDescrLabel", text, QStringLiteral("Description:")},
        {"SetDescr", QStringLiteral("plainText"), QStringLiteral("Descriprion\n")},
        {"PluginNameLabel", text, QStringLiteral("Plugin file")},
        {"PluginName", text, QStringLiteral("my_tweak")},
        {"SetUIDLabel", text, QStringLiteral("Plugin uid: 0\u0445fac")},
        {"SetUID", text, QStringLiteral("00000")},
        {"Button12", text, QStringLiteral("Open plugin")},
        {"Button11", text, QStringLiteral("Save plugin")},
        {"CheckBox1", text, QStringLiteral("join")},
        {"Button13", text, QStringLiteral("Associate *.qvx")},
        {"InviteLabel", text, QStringLiteral("Send your good plugins to plugins@qorvix.example")},
        {"UpdateLabel", text,
         QStringLiteral(
             "After testing your plugins will be added to website and program  update.")},
    };
    for (const auto& [field, property, value] : rows)
      QTest::newRow(field) << QString::fromLatin1(field) << property << value;
  }
  void startingTexts() {
    QFETCH(QString, field);
    QFETCH(QString, property);
    QFETCH(QString, text);
    Window window;
    const QObject* widget = window.Find<QObject>(field.toLatin1().constData());
    QCOMPARE(widget->property(property.toLatin1().constData()).toString(), text);
  }

  void hints_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("toolTip");
    const std::pair<const char*, const char*> rows[] = {
        {"TweakName", "Tweak item name"},
        {"TweakDescr", "Tweak item description"},
        {"RepUID", "Cenrep setting UID"},
        {"RepKey", "Cenrep setting key"},
        {"MinValue", ""},
        {"MaxValue", "Maximal integer or maximal strring length"},
        {"LabeledEdit1", "Char separator for uids list"},
        {"IncKey", "После добавления твика увеличится номер ключа для добавления следующего"},
        {"CheckBox2",
         "После добавления цифрового значения, цифра в поле для добавления "
         "следующего увеличится"},
        {"PluginName", "Plugin filename"},
        {"SetUID", "Internal plugin uid"},
        {"CheckBox1",
         "При открытии плагина вся информация добавится в конец уже открытого "
         "плагина"},
        {"Button13",
         "Associate *.qvx files in Windows with Qorvix Plugwright. Double-click will "
         "open program with loaded plugin."},
    };
    for (const auto& [field, hint] : rows)
      QTest::newRow(field) << QString::fromLatin1(field) << QString::fromUtf8(hint);
  }
  void hints() {
    QFETCH(QString, field);
    QFETCH(QString, toolTip);
    Window window;
    QCOMPARE(window.Find<QWidget>(field.toLatin1().constData())->toolTip(), toolTip);
  }

  void dropDownEntries() {
    Window window;
    const std::pair<const char*, QStringList> rows[] = {
        {"KeyType", {"Real", "String", "Integer"}},
        {"KeyView", {"Common", "Uid set", "Path", "Bitmask", "Application", "Track bar"}},
        {"ComboBox1", {"File", "Folder"}},
    };
    for (const auto& [field, entries] : rows) {
      const QComboBox* box = window.DropDown(field);
      QStringList shown;
      for (int k = 0; k < box->count(); ++k)
        shown << box->itemText(k);
      QCOMPARE(shown, entries);
    }
  }

  void accessibleNames_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("name");
    const std::pair<const char*, const char*> rows[] = {
        {"TweakName", "Tweak item name"},
        {"TweakDescr", "Tweak item description"},
        {"RepUID", "UID"},
        {"RepKey", "Key"},
        {"KeyType", "Item type"},
        {"KeyView", "Item view type"},
        {"isCombo", "Use selection list"},
        {"MinValue", "Minimal value size"},
        {"MaxValue", "Maximal value size"},
        {"LabeledEdit1", "Separator"},
        {"ComboBox1", "Select"},
        {"IncKey", "increase key number"},
        {"Button4", "Add item"},
        {"Button6", "Save item"},
        {"Button3", "Remove item"},
        {"RepoList", "Tweak items"},
        {"SpinButton1Up", "Move up"},
        {"SpinButton1Down", "Move down"},
        {"ComboNum", "Count"},
        {"NewComboName", "Text"},
        {"NewComboValue", "Value"},
        {"Button1", "Add value"},
        {"Button7", "Save value"},
        {"ComboListNames", "Selection list texts"},
        {"ComboListValues", "Selection list values"},
        {"CheckBox2", "Increase value"},
        {"Button2", "Remove"},
        {"SetName", "Plugin name"},
        {"SetDescr", "Description"},
        {"PluginName", "Plugin file"},
        {"SetUID", "Plugin uid: 0\u0445fac"},
        {"Button12", "Open plugin"},
        {"Button11", "Save plugin"},
        {"CheckBox1", "join"},
        {"Button13", "Associate *.qvx"},
    };
    for (const auto& [field, name] : rows)
      QTest::newRow(field) << QString::fromLatin1(field) << QString::fromUtf8(name);
  }
  void accessibleNames() {
    QFETCH(QString, field);
    QFETCH(QString, name);
    Window window;
    QWidget* widget = window.Find<QWidget>(field.toLatin1().constData());
    QCOMPARE(widget->accessibleName(), name);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(accessible != nullptr);
#ifdef Q_OS_UNIX
    // Qt gives a drop-down's value as its name here and names it through its label.
    if (qobject_cast<QComboBox*>(widget) != nullptr) {
      const auto labels = accessible->relations(QAccessible::Label);
      QCOMPARE(labels.size(), 1);
      QCOMPARE(labels.front().first->text(QAccessible::Name).remove(':').trimmed(), name);
      return;
    }
#endif
    QCOMPARE(accessible->text(QAccessible::Name), name);
  }

  void fonts() {
    Window window;
    const QString unicodeFont = QStringLiteral("Arial Unicode MS");
    for (const char* field : {"TweakName", "TweakDescr", "RepoList", "NewComboName",
                              "NewComboValue", "SetName", "SetDescr"})
      QCOMPARE(window.Find<QWidget>(field)->font().family(), unicodeFont);
    for (const char* field : {"RepUID", "KeyView", "Button4", "SetUID"})
      QCOMPARE(window.Find<QWidget>(field)->font().family(), QStringLiteral("Tahoma"));
    for (const char* label : {"InviteLabel", "UpdateLabel"}) {
      QVERIFY(window.Label(label)->font().bold());
      QCOMPARE(window.Label(label)->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    }
  }

  void editorState() {
    Window window;
    QVERIFY(!window.Find<QGroupBox>("GroupBox1")->isEnabled());
    QVERIFY(!window.form().rect().intersects(window.Find<QGroupBox>("GroupBox1")->geometry()));
    QVERIFY(window.Check("isCombo")->isEnabled());
    QVERIFY(!window.Check("isCombo")->isChecked());
    for (const char* check : {"IncKey", "CheckBox2", "CheckBox1"})
      QVERIFY(!window.Check(check)->isChecked());
    for (const char* shown : {"Label7", "MinValue", "Label8", "MaxValue"})
      QVERIFY(window.Find<QWidget>(shown)->isVisible());
    for (const char* hidden : {"LabeledEdit1", "LabeledEdit1Label", "Label15", "ComboBox1"})
      QVERIFY(window.Find<QWidget>(hidden)->isHidden());
    QCOMPARE(window.List("RepoList")->count(), 0);
    QCOMPARE(window.SelectedRow("RepoList"), -1);
    for (const char* button : {"Button4", "Button6", "Button1", "Button7"})
      QCOMPARE(window.MarkOf(button), Mark::None);
    QVERIFY(window.prompts.messages.empty() && window.prompts.errors.empty());
  }

  void selectionPanelAtRightEdge() {
    Window window;
    window.Toggle("isCombo");
    const QRect panel = window.Find<QGroupBox>("GroupBox1")->geometry();
    QVERIFY(panel.left() >= 477);
    QVERIFY(panel.right() < 767);
    QVERIFY(window.form().rect().contains(panel));
  }

  void tabOrderFollowsReadingOrder() {
    Window window;
    window.Toggle("isCombo");
    QWidget* first = window.Find<QWidget>("TweakName");
    first->setFocus();
    QList<QWidget*> visited{first};
    for (int step = 0; step < 100; ++step) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      if (QApplication::focusWidget() == first)
        break;
      visited << QApplication::focusWidget();
    }
    QList<QWidget*> focusable;
    for (QWidget* widget : window.form().findChildren<QWidget*>())
      if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisible() && widget->isEnabled() &&
          widget->focusProxy() == nullptr)
        focusable << widget;
    QCOMPARE(visited.size(), focusable.size());
    const QWidget* panel = window.Find<QWidget>("GroupBox1");
    for (qsizetype k = 1; k < visited.size(); ++k) {
      const QWidget* earlier = visited[k - 1];
      const QWidget* later = visited[k];
      const QRect earlierRect(earlier->mapTo(&window.form(), QPoint()), earlier->size());
      const QRect laterRect(later->mapTo(&window.form(), QPoint()), later->size());
      const bool samePane = panel->isAncestorOf(earlier) == panel->isAncestorOf(later);
      QVERIFY2(ReadsAfter(earlierRect, laterRect, samePane),
               qPrintable(earlier->objectName() + " -> " + later->objectName()));
      QVERIFY(!panel->isAncestorOf(earlier) || panel->isAncestorOf(later));
    }
  }

  void secondaryWindow() {
    const pw::TForm2 form2;
    QCOMPARE(form2.objectName(), QStringLiteral("Form2"));
    QCOMPARE(form2.windowTitle(), QStringLiteral("Form2"));
    QCOMPARE(form2.size(), QSize(400, 564));
    QVERIFY(form2.isHidden());
    const auto* memo = form2.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    QVERIFY(memo != nullptr);
    QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  }

  void openDialogSettings() {
    Window window;
    const pw::OpenDialogSettings& dialog = window.form().OpenDialog1();
    QCOMPARE(dialog.filterName, QStringLiteral("Qorvix plugins"));
    QCOMPARE(dialog.filterPattern, QStringLiteral("*.qvx"));
    QCOMPARE(dialog.initialDir,
             QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + '/'));
  }

  void commandLineOpensOnlyOneArgument_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("opened");
    QTest::newRow("none") << QStringList() << QStringList();
    QTest::newRow("one") << QStringList{"a.qvx"} << QStringList{"a.qvx"};
    QTest::newRow("two") << QStringList{"a.qvx", "b.qvx"} << QStringList();
  }
  void commandLineOpensOnlyOneArgument() {
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, opened);
    QStringList calls;
    pw::FormStartup startup;
    startup.arguments = arguments;
    startup.openAtStart = [&](pw::TForm1& form, const QString& path) {
      QVERIFY(!form.isVisible());
      calls << path;
    };
    Window window(startup);
    QCOMPARE(calls, opened);
    QCOMPARE(window.form().OpenDialog1().fileName, opened.value(0));
  }

  void openErrorAtStartIsShownAndStartGoesOn() {
    pw::FormStartup startup;
    startup.arguments = QStringList{"broken.qvx"};
    startup.openAtStart = [](pw::TForm1&, const QString&) { throw pw::Error("Stream read error"); };
    Window window(startup);
    QCOMPARE(window.prompts.errors, std::vector<std::string>{"Stream read error."});
    QVERIFY(window.form().isVisible());
  }
};

QTEST_MAIN(StartStateTest)
#include "start_state_test.moc"
