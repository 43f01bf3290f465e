// The item commands on real widgets: add, save, remove, select, move, and their refusals.
#include "platform/errors.h"
#include "window_harness.h"

using pw::TRepo;
using pw::test::Deselecting;
using pw::test::Mark;
using pw::test::Window;

namespace {

const std::string kFillAll = "You must fill all fields!";

QString LineOf(const TRepo& item) {
  return QString::fromStdU16String(pw::RepoListLine(item));
}

QStringList ItemLines(const pw::RepoItems& items) {
  QStringList lines;
  for (const TRepo& item : items.All())
    lines << LineOf(item);
  return lines;
}

// Adds items named "item 0", "item 1", ... with keys 0, 1, ...
void AddNamedItems(Window& window, int count) {
  for (int k = 0; k < count; ++k) {
    window.SetText("TweakName", QStringLiteral("item %1").arg(k));
    window.SetText("RepKey", QString::number(k));
    window.Click("Button4");
  }
}

QStringList Names(const pw::RepoItems& items) {
  QStringList names;
  for (const TRepo& item : items.All())
    names << QString::fromStdU16String(item.iName);
  return names;
}

}  // namespace

class ItemListTest : public QObject {
  Q_OBJECT

 private slots:
  void addWithStartingFields() {
    Window window;
    window.Click("Button4");
    QCOMPARE(window.form().Items().Count(), size_t{1});
    const TRepo& item = window.form().Items().At(0);
    TRepo expected;
    expected.iName = u"Tweak item name";
    expected.iDescription = u"Tweak item description\r\n";
    expected.iUid = u"0x12345678";
    expected.iKey = u"1";
    expected.iType = u"254";
    expected.iViewType = u"1";
    expected.iMinValue = u"0";
    expected.iMaxValue = u"0x7fffffff";
    QCOMPARE(item, expected);
    QCOMPARE(window.Lines("RepoList"), QStringList{LineOf(expected)});
    QCOMPARE(window.SelectedRow("RepoList"), 0);
    QCOMPARE(window.MarkOf("Button4"), Mark::None);
    QCOMPARE(window.MarkOf("Button6"), Mark::None);
    QCOMPARE(window.Edit("RepKey")->text(), QStringLiteral("1"));
  }

  void increaseKeyNumber_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("next");
    QTest::newRow("decimal") << "1" << QStringList{"1", "2", "3"} << "4";
    QTest::newRow("hexadecimal turns decimal") << "0x10" << QStringList{"0x10", "17", "18"} << "19";
    QTest::newRow("top of 32 bits wraps")
        << "2147483647" << QStringList{"2147483647", "-2147483648", "-2147483647"} << "-2147483646";
    QTest::newRow("pattern 0xFFFFFFFF is -1")
        << "0xFFFFFFFF" << QStringList{"0xFFFFFFFF", "0", "1"} << "2";
  }
  void increaseKeyNumber() {
    QFETCH(QString, key);
    QFETCH(QStringList, keys);
    QFETCH(QString, next);
    Window window;
    window.Toggle("IncKey");
    window.SetText("RepKey", key);
    for (int k = 0; k < 3; ++k)
      window.Click("Button4");
    QStringList stored;
    for (const TRepo& item : window.form().Items().All())
      stored << QString::fromStdU16String(item.iKey);
    QCOMPARE(stored, keys);
    QCOMPARE(window.Edit("RepKey")->text(), next);
    QCOMPARE(window.SelectedRow("RepoList"), 2);
    QVERIFY(window.prompts.errors.empty());
  }

  // Each empty field, the hidden ones included, refuses Add and Save alike.
  void refusals_data() {
    QTest::addColumn<QString>("field");
    for (const char* field : {"TweakName", "RepUID", "RepKey", "MinValue", "MaxValue"})
      QTest::newRow(field) << QString::fromLatin1(field);
    QTest::newRow("TweakDescr") << "TweakDescr";
    QTest::newRow("hidden MinValue in Uid set") << "MinValue hidden";
    QTest::newRow("empty selection list") << "isCombo";
  }
  void refusals() {
    QFETCH(QString, field);
    for (const char* command : {"Button4", "Button6"}) {
      Window window;
      window.Click("Button4");
      const TRepo before = window.form().Items().At(0);
      window.prompts.messages.clear();
      if (field == "TweakDescr") {
        window.Memo("TweakDescr")->clear();
      } else if (field == "isCombo") {
        window.Toggle("isCombo");
      } else if (field == "MinValue hidden") {
        window.SetText("MinValue", QString());
        window.Choose("KeyView", 1);
      } else {
        window.SetText(field.toLatin1().constData(), QString());
      }
      window.Click(command);
      QCOMPARE(window.prompts.messages, std::vector<std::string>{kFillAll});
      QCOMPARE(window.form().Items().Count(), size_t{1});
      QCOMPARE(window.form().Items().At(0), before);
      QCOMPARE(window.Lines("RepoList"), QStringList{LineOf(before)});
    }
  }

  void entriesAreTakenOnlyWithUseSelectionList() {
    Window window;
    window.Toggle("isCombo");
    window.AddValues({"1", "2"});
    window.Click("Button4");
    window.Toggle("isCombo");
    window.Click("Button4");
    const TRepo& withList = window.form().Items().At(0);
    QCOMPARE(withList.iNumOfCombo, u"2");
    const std::vector<pw::TComboElement> entries{{u"text 1", u"1"}, {u"text 2", u"2"}};
    QCOMPARE(withList.iComboElements, entries);
    QCOMPARE(withList.iMinValue, u"1");
    QCOMPARE(withList.iMaxValue, u"2");
    const TRepo& withoutList = window.form().Items().At(1);
    QCOMPARE(withoutList.iNumOfCombo, u"0");
    QVERIFY(withoutList.iComboElements.empty());
  }

  void boundsByView_data() {
    QTest::addColumn<int>("view");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("minValue");
    QTest::addColumn<QString>("shownAgain");
    QTest::newRow("Uid set comma") << 1 << ","
                                   << "44"
                                   << ",";
    QTest::newRow("Uid set empty") << 1 << ""
                                   << "0"
                                   << "";
    QTest::newRow("Path folder") << 2 << "Folder"
                                 << "1"
                                 << "Folder";
    QTest::newRow("Path file") << 2 << "File"
                               << "0"
                               << "File";
  }
  void boundsByView() {
    QFETCH(int, view);
    QFETCH(QString, typed);
    QFETCH(QString, minValue);
    QFETCH(QString, shownAgain);
    Window window;
    window.Choose("KeyView", view);
    if (view == 1)
      window.Type("LabeledEdit1", typed);
    else
      window.Choose("ComboBox1", typed == "Folder" ? 1 : 0);
    window.Click("Button4");
    window.Choose("KeyView", 0);
    window.Edit("LabeledEdit1")->clear();
    window.Choose("ComboBox1", 0);
    window.ClickRow("RepoList", 0);
    const TRepo& item = window.form().Items().At(0);
    QCOMPARE(QString::fromStdU16String(item.iMinValue), minValue);
    QCOMPARE(item.iMaxValue, u"0");
    QCOMPARE(window.DropDown("KeyView")->currentIndex(), view);
    const QString shown = view == 1 ? window.Edit("LabeledEdit1")->text()
                                    : window.DropDown("ComboBox1")->currentText();
    QCOMPARE(shown, shownAgain);
  }

  // A file may bring texts longer than the toolkit's default limit of a one-line field.
  void longTextsFromAFileStayWhole() {
    constexpr int kLength = 40000;
    const auto longText = [](char16_t c) { return std::u16string(kLength, c); };
    TRepo item;
    item.iName = longText(u'n');
    item.iDescription = longText(u'd');
    item.iUid = longText(u'u');
    item.iKey = longText(u'k');
    item.iType = u"254";
    item.iViewType = u"1";
    item.iMinValue = longText(u'1');
    item.iMaxValue = longText(u'2');
    item.iNumOfCombo = u"1";
    item.iComboElements = {{longText(u't'), longText(u'v')}};
    Window window;
    window.form().AppendItem(item);
    window.ClickRow("RepoList", 0);
    window.ClickRow("ComboListNames", 0);
    for (const char* field :
         {"TweakName", "RepUID", "RepKey", "MinValue", "MaxValue", "NewComboName", "NewComboValue"})
      QVERIFY2(window.Edit(field)->text().size() == kLength, field);
    window.Click("Button6");
    QVERIFY(window.form().Items().At(0) == item);
    QVERIFY(window.prompts.errors.empty());
  }

  void saveOverwritesTheSelectedItem() {
    Window window;
    window.Toggle("IncKey");
    AddNamedItems(window, 3);
    window.ClickRow("RepoList", 1);
    window.Choose("KeyView", 1);
    window.Type("LabeledEdit1", QStringLiteral(";"));
    window.SetText("TweakName", QStringLiteral("changed"));
    window.Click("Button6");
    const TRepo& item = window.form().Items().At(1);
    QCOMPARE(item.iName, u"changed");
    QCOMPARE(item.iKey, u"1");
    QCOMPARE(item.iViewType, u"2");
    QCOMPARE(item.iMinValue, u"59");
    QCOMPARE(window.Lines("RepoList"), ItemLines(window.form().Items()));
    QCOMPARE(window.SelectedRow("RepoList"), 1);
    QCOMPARE(window.Edit("RepKey")->text(), QStringLiteral("1"));
    QCOMPARE(window.MarkOf("Button6"), Mark::None);
  }

  void saveAndRemoveWithoutSelectionDoNothing() {
    Window window;
    AddNamedItems(window, 2);
    window.Click("Button3");
    QCOMPARE(window.SelectedRow("RepoList"), -1);
    QVERIFY(window.Edit("TweakName")->text().isEmpty());
    const pw::RepoItems before = window.form().Items();
    window.Click("Button6");
    window.Click("Button3");
    QCOMPARE(window.form().Items().All(), before.All());
    QVERIFY(window.prompts.messages.empty());
  }

  // Only the commands leave the list without a selected line, so an edit stays ready for
  // "Save item".
  void selectionSurvivesAttemptsToClearIt_data() {
    QTest::addColumn<Deselecting>("gesture");
    QTest::addColumn<QString>("savedName");
    QTest::newRow("click on the blank area") << Deselecting::BlankClick << "edited";
    QTest::newRow("control-space") << Deselecting::ControlSpace << "edited";
    // A click on the selected line shows its item again, with or without Control.
    QTest::newRow("control-click") << Deselecting::ControlClick << "item 0";
  }
  void selectionSurvivesAttemptsToClearIt() {
    QFETCH(Deselecting, gesture);
    QFETCH(QString, savedName);
    Window window;
    AddNamedItems(window, 2);
    window.ClickRow("RepoList", 0);
    window.SetText("TweakName", QStringLiteral("edited"));
    window.TryToDeselect("RepoList", gesture);
    QCOMPARE(window.SelectedRow("RepoList"), 0);
    window.Click("Button6");
    QCOMPARE(Names(window.form().Items()), (QStringList{savedName, "item 1"}));
    QCOMPARE(window.Lines("RepoList"), ItemLines(window.form().Items()));
    QVERIFY(window.prompts.messages.empty());
  }

  void removeLastOfThree() {
    Window window;
    AddNamedItems(window, 3);
    window.Choose("KeyView", 3);
    window.ClickRow("RepoList", 2);
    window.Click("Button3");
    QCOMPARE(Names(window.form().Items()), (QStringList{"item 0", "item 1"}));
    QCOMPARE(window.Lines("RepoList"), ItemLines(window.form().Items()));
    QCOMPARE(window.SelectedRow("RepoList"), -1);
    for (const char* field :
         {"TweakName", "RepUID", "RepKey", "MinValue", "MaxValue", "NewComboName", "NewComboValue"})
      QVERIFY2(window.Edit(field)->text().isEmpty(), field);
    QVERIFY(window.Memo("TweakDescr")->toPlainText().isEmpty());
    QCOMPARE(window.DropDown("KeyType")->currentText(), QStringLiteral("String"));
    QCOMPARE(window.DropDown("KeyView")->currentText(), QStringLiteral("Common"));
    QVERIFY(!window.Check("isCombo")->isChecked());
    QVERIFY(window.Check("isCombo")->isEnabled());
    QVERIFY(!window.Edit("MinValue")->isHidden());
    QCOMPARE(window.form().width(), 477);
    QCOMPARE(window.MarkOf("Button4"), Mark::Add);
  }

  void removeClearsTheEntryListAfterAUidSetItem() {
    Window window;
    window.Choose("KeyView", 1);
    window.Click("Button4");
    window.ClickRow("RepoList", 0);
    window.Click("Button3");
    QVERIFY(window.Edit("LabeledEdit1")->isHidden());
    QVERIFY(!window.Edit("MinValue")->isHidden());
    window.Click("Button4");
    QCOMPARE(window.prompts.messages, std::vector<std::string>{kFillAll});
  }

  void selectLoadsTheItem() {
    Window window;
    window.Toggle("isCombo");
    window.AddValues({"7", "9"});
    window.SetText("TweakName", QStringLiteral("with list"));
    window.Choose("KeyType", 2);
    window.Click("Button4");
    window.Toggle("isCombo");
    window.SetText("TweakName", QStringLiteral("plain"));
    window.Click("Button4");
    window.ClickRow("RepoList", 0);
    QCOMPARE(window.Edit("TweakName")->text(), QStringLiteral("with list"));
    QCOMPARE(window.DropDown("KeyType")->currentIndex(), 2);
    QCOMPARE(window.Lines("ComboListNames"), (QStringList{"text 7", "text 9"}));
    QCOMPARE(window.Lines("ComboListValues"), (QStringList{"7", "9"}));
    QCOMPARE(window.SelectedRow("ComboListNames"), 0);
    QCOMPARE(window.SelectedRow("ComboListValues"), 0);
    QCOMPARE(window.Label("ComboNum")->text(), QStringLiteral("2"));
    QVERIFY(window.Check("isCombo")->isChecked());
    QVERIFY(window.Edit("NewComboName")->text().isEmpty());
    QCOMPARE(window.form().width(), 767);
    window.PressKey("RepoList", Qt::Key_Down);
    QCOMPARE(window.Edit("TweakName")->text(), QStringLiteral("plain"));
    QVERIFY(!window.Check("isCombo")->isChecked());
    QCOMPARE(window.List("ComboListNames")->count(), 0);
    QCOMPARE(window.form().width(), 477);
  }

  void selectKeepsFieldsTheViewDoesNotUse() {
    Window window;
    window.Choose("KeyView", 2);
    window.Click("Button4");
    window.Choose("KeyView", 0);
    window.SetText("MinValue", QStringLiteral("-3"));
    window.ClickRow("RepoList", 0);
    QCOMPARE(window.Edit("MinValue")->text(), QStringLiteral("-3"));
    QVERIFY(window.Edit("MinValue")->isHidden());
  }

  void moves_data() {
    QTest::addColumn<int>("selected");
    QTest::addColumn<QStringList>("arrows");
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<int>("selectedAfter");
    QTest::newRow("up from line 0") << 0 << QStringList{"up"} << QStringList{"0", "1", "2"} << 0;
    QTest::newRow("down from the last line")
        << 2 << QStringList{"down"} << QStringList{"0", "1", "2"} << 2;
    QTest::newRow("nothing selected")
        << -1 << QStringList{"up", "down"} << QStringList{"0", "1", "2"} << -1;
    QTest::newRow("line 2 up twice")
        << 2 << QStringList{"up", "up"} << QStringList{"2", "0", "1"} << 0;
    QTest::newRow("line 0 down") << 0 << QStringList{"down"} << QStringList{"1", "0", "2"} << 1;
  }
  void moves() {
    QFETCH(int, selected);
    QFETCH(QStringList, arrows);
    QFETCH(QStringList, order);
    QFETCH(int, selectedAfter);
    Window window;
    AddNamedItems(window, selected >= 0 ? 3 : 4);
    if (selected >= 0)
      window.ClickRow("RepoList", selected);
    else
      window.Click("Button3");  // removing the selected last line leaves none selected
    window.SetText("TweakName", QStringLiteral("unsaved"));
    for (const QString& arrow : arrows)
      window.Click(arrow == "up" ? "SpinButton1Up" : "SpinButton1Down");
    QStringList expected;
    for (const QString& k : order)
      expected << QStringLiteral("item ") + k;
    QCOMPARE(Names(window.form().Items()), expected);
    QCOMPARE(window.Lines("RepoList"), ItemLines(window.form().Items()));
    QCOMPARE(window.SelectedRow("RepoList"), selectedAfter);
    QCOMPARE(window.Edit("TweakName")->text(), QStringLiteral("unsaved"));
  }

  void holdingAnArrowRepeatsTheMove() {
    Window window;
    AddNamedItems(window, 10);
    window.ClickRow("RepoList", 0);
    auto* down = window.Find<QToolButton>("SpinButton1Down");
    QTest::mousePress(down, Qt::LeftButton, {}, down->rect().center());
    QTest::qWait(800);
    QTest::mouseRelease(down, Qt::LeftButton, {}, down->rect().center());
    QVERIFY(window.SelectedRow("RepoList") >= 3);
    QCOMPARE(window.form().Items().At(size_t(window.SelectedRow("RepoList"))).iName, u"item 0");
  }

  void addStopsAtAKeyThatIsNotANumber() {
    Window window;
    window.Toggle("IncKey");
    window.SetText("RepKey", QStringLiteral("abc"));
    window.Click("Button4");
    QCOMPARE(window.prompts.errors,
             std::vector<std::string>{"''abc'' is not a valid integer value."});
    QCOMPARE(window.form().Items().Count(), size_t{1});
    QCOMPARE(window.List("RepoList")->count(), 1);
    QCOMPARE(window.SelectedRow("RepoList"), -1);
    QCOMPARE(window.MarkOf("Button4"), Mark::Add);
  }

  void selectStopsAtAFieldThatIsNotANumber_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("error");
    QTest::newRow("type") << "iType"
                          << "''x'' is not a valid integer value.";
    QTest::newRow("view") << "iViewType"
                          << "''x'' is not a valid integer value.";
    QTest::newRow("entry count") << "iNumOfCombo"
                                 << "''x'' is not a valid integer value.";
    QTest::newRow("more entries counted than held") << "iNumOfCombo 3"
                                                    << "List index out of bounds (1)";
  }
  void selectStopsAtAFieldThatIsNotANumber() {
    QFETCH(QString, field);
    QFETCH(QString, error);
    Window window;
    TRepo item;
    item.iName = u"read from a file";
    item.iType = u"254";
    item.iViewType = u"1";
    item.iNumOfCombo = u"1";
    item.iComboElements = {{u"only", u"1"}};
    if (field == "iType")
      item.iType = u"x";
    else if (field == "iViewType")
      item.iViewType = u"x";
    else if (field == "iNumOfCombo")
      item.iNumOfCombo = u"x";
    else
      item.iNumOfCombo = u"3";
    window.form().AppendItem(item);
    window.Choose("KeyView", 5);
    window.ClickRow("RepoList", 0);
    QCOMPARE(window.prompts.errors, std::vector<std::string>{error.toStdString()});
    QCOMPARE(window.Edit("TweakName")->text(), QStringLiteral("read from a file"));
    // The view rules did not run again: the Track bar view's rules still hold.
    QCOMPARE(window.DropDown("KeyType")->currentIndex() == 2, field == "iType");
  }
};

QTEST_MAIN(ItemListTest)
#include "item_list_test.moc"
