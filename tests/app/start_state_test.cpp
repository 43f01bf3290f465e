// The editor window as the program starts it: fields, texts, fonts, names, order, start-up.
#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QScreen>
#include <QScrollBar>

#include "app/form2.h"
#include "platform/errors.h"
#include "widget_names.h"
#include "window_harness.h"

using pw::test::Mark;
using pw::test::Window;
using namespace pw::test::widgets;

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
        {kTweakItemName, text, QStringLiteral("Tweak item name")},
        {kTweakItemDescription, QStringLiteral("plainText"),
         QStringLiteral("Tweak item description\n")},
        {kUidLabel, text, QStringLiteral("UID: ")},
        {kUid, text, QStringLiteral("0x12345678")},
        {kKeyLabel, text, QStringLiteral("Key:")},
        {kKey, text, QStringLiteral("1")},
        {kItemTypeLabel, text, QStringLiteral("Item type:")},
        {kItemType, QStringLiteral("currentText"), QStringLiteral("String")},
        {kItemViewTypeLabel, text, QStringLiteral("Item view type:")},
        {kItemViewType, QStringLiteral("currentText"), QStringLiteral("Common")},
        {kUseSelectionList, text, QStringLiteral("Use selection list")},
        {kMinimalValueSizeLabel, text, QStringLiteral("Minimal value size")},
        {kMinimalValueSize, text, QStringLiteral("0")},
        {kMaximalValueSizeLabel, text, QStringLiteral("Maximal value size")},
        {kMaximalValueSize, text, QStringLiteral("0x7fffffff")},
        {kSeparatorLabel, text, QStringLiteral("Separator")},
        {kSeparator, text, QString()},
        {kSelectLabel, text, QStringLiteral("Select")},
        {kSelect, QStringLiteral("currentText"), QStringLiteral("File")},
        {kIncreaseKeyNumber, text, QStringLiteral("increase key number")},
        {kAddItem, text, QStringLiteral("Add item")},
        {kSaveItem, text, QStringLiteral("Save item")},
        {kRemoveItem, text, QStringLiteral("Remove item")},
        {kSelectionListPanel, QStringLiteral("title"), QStringLiteral("Selection list values")},
        {kCountLabel, text, QStringLiteral("Count:")},
        {kCount, text, QStringLiteral("0")},
        {kListTextLabel, text, QStringLiteral("Text")},
        {kListText, text, QString()},
        {kListValueLabel, text, QStringLiteral("Value")},
        {kListValue, text, QStringLiteral("0")},
        {kSaveValue, text, QStringLiteral("Save value")},
        {kAddValue, text, QStringLiteral("Add value")},
        {kIncreaseValue, text, QStringLiteral("Increase value")},
        {kRemoveValue, text, QStringLiteral("Remove")},
        {kPluginNameLabel, text, QStringLiteral("Plugin name:")},
        {kPluginName, text, QStringLiteral("Plugin name")},
        {kDescriptionLabel, text, QStringLiteral("Description:")},
        {kDescription, QStringLiteral("plainText"), QStringLiteral("Descriprion\n")},
        {kPluginFileLabel, text, QStringLiteral("Plugin file")},
        {kPluginFile, text, QStringLiteral("my_tweak")},
        {kPluginUidLabel, text, QStringLiteral("Plugin uid: 0\u0445fac")},
        {kPluginUid, text, QStringLiteral("00000")},
        {kOpenPlugin, text, QStringLiteral("Open plugin")},
        {kSavePlugin, text, QStringLiteral("Save plugin")},
        {kJoin, text, QStringLiteral("join")},
        {kAssociate, text, QStringLiteral("Associate *.qvx")},
        {kInviteLabel, text, QStringLiteral("Send your good plugins to plugins@qorvix.example")},
        {kUpdateLabel, text,
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
        {kTweakItemName, "Tweak item name"},
        {kTweakItemDescription, "Tweak item description"},
        {kUid, "Cenrep setting UID"},
        {kKey, "Cenrep setting key"},
        {kMinimalValueSize, ""},
        {kMaximalValueSize, "Maximal integer or maximal strring length"},
        {kSeparator, "Char separator for uids list"},
        {kIncreaseKeyNumber,
         "После добавления твика увеличится номер ключа для добавления следующего"},
        {kIncreaseValue,
         "После добавления цифрового значения, цифра в поле для добавления "
         "следующего увеличится"},
        {kPluginFile, "Plugin filename"},
        {kPluginUid, "Internal plugin uid"},
        {kJoin,
         "При открытии плагина вся информация добавится в конец уже открытого "
         "плагина"},
        {kAssociate,
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
        {kItemType, {"Real", "String", "Integer"}},
        {kItemViewType, {"Common", "Uid set", "Path", "Bitmask", "Application", "Track bar"}},
        {kSelect, {"File", "Folder"}},
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
        {kTweakItemName, "Tweak item name"},
        {kTweakItemDescription, "Tweak item description"},
        {kUid, "UID"},
        {kKey, "Key"},
        {kItemType, "Item type"},
        {kItemViewType, "Item view type"},
        {kUseSelectionList, "Use selection list"},
        {kMinimalValueSize, "Minimal value size"},
        {kMaximalValueSize, "Maximal value size"},
        {kSeparator, "Separator"},
        {kSelect, "Select"},
        {kIncreaseKeyNumber, "increase key number"},
        {kAddItem, "Add item"},
        {kSaveItem, "Save item"},
        {kRemoveItem, "Remove item"},
        {kTweakItems, "Tweak items"},
        {kMoveUp, "Move up"},
        {kMoveDown, "Move down"},
        {kCount, "Count"},
        {kListText, "Text"},
        {kListValue, "Value"},
        {kAddValue, "Add value"},
        {kSaveValue, "Save value"},
        {kSelectionListTexts, "Selection list texts"},
        {kSelectionListValues, "Selection list values"},
        {kIncreaseValue, "Increase value"},
        {kRemoveValue, "Remove"},
        {kPluginName, "Plugin name"},
        {kDescription, "Description"},
        {kPluginFile, "Plugin file"},
        {kPluginUid, "Plugin uid: 0\u0445fac"},
        {kOpenPlugin, "Open plugin"},
        {kSavePlugin, "Save plugin"},
        {kJoin, "join"},
        {kAssociate, "Associate *.qvx"},
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
    // Each face falls back through faces that end in one every Windows has.
    for (const char* field : {kTweakItemName, kTweakItemDescription, kTweakItems, kListText,
                              kListValue, kPluginName, kDescription}) {
      const QFont font = window.Find<QWidget>(field)->font();
      QCOMPARE(font.family(), unicodeFont);
      QCOMPARE(font.families().value(1), QStringLiteral("Segoe UI"));
      QCOMPARE(font.families().last(), QStringLiteral("Arial"));
    }
    for (const char* field : {kUid, kItemViewType, kAddItem, kPluginUid}) {
      const QFont font = window.Find<QWidget>(field)->font();
      QCOMPARE(font.family(), QStringLiteral("Tahoma"));
      QCOMPARE(font.families().last(), QStringLiteral("Arial"));
    }
    for (const char* label : {kInviteLabel, kUpdateLabel}) {
      QVERIFY(window.Label(label)->font().bold());
      QCOMPARE(window.Label(label)->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    }
  }

  void editorState() {
    Window window;
    QVERIFY(!window.Find<QGroupBox>(kSelectionListPanel)->isEnabled());
    QVERIFY(
        !window.form().rect().intersects(window.Find<QGroupBox>(kSelectionListPanel)->geometry()));
    QVERIFY(window.Check(kUseSelectionList)->isEnabled());
    QVERIFY(!window.Check(kUseSelectionList)->isChecked());
    for (const char* check : {kIncreaseKeyNumber, kIncreaseValue, kJoin})
      QVERIFY(!window.Check(check)->isChecked());
    for (const char* shown :
         {kMinimalValueSizeLabel, kMinimalValueSize, kMaximalValueSizeLabel, kMaximalValueSize})
      QVERIFY(window.Find<QWidget>(shown)->isVisible());
    for (const char* hidden : {kSeparator, kSeparatorLabel, kSelectLabel, kSelect})
      QVERIFY(window.Find<QWidget>(hidden)->isHidden());
    QCOMPARE(window.List(kTweakItems)->count(), 0);
    QCOMPARE(window.SelectedRow(kTweakItems), -1);
    for (const char* button : {kAddItem, kSaveItem, kAddValue, kSaveValue})
      QCOMPARE(window.MarkOf(button), Mark::None);
    QVERIFY(window.prompts.messages.empty() && window.prompts.errors.empty());
  }

  void selectionPanelAtRightEdge() {
    Window window;
    window.Toggle(kUseSelectionList);
    const QRect panel = window.Find<QGroupBox>(kSelectionListPanel)->geometry();
    QVERIFY(panel.left() >= 477);
    QVERIFY(panel.right() < 767);
    QVERIFY(window.form().rect().contains(panel));
  }

  void tabOrderFollowsReadingOrder() {
    Window window;
    window.Toggle(kUseSelectionList);
    QWidget* first = window.Find<QWidget>(kTweakItemName);
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
    const QWidget* panel = window.Find<QWidget>(kSelectionListPanel);
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
