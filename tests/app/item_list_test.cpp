// The item commands on real widgets: add, save, remove, select, move, and their refusals.
#include "platform/errors.h"
#include "widget_names.h"
#include "window_harness.h"

using pw::TRepo;
using pw::test::Deselecting;
using pw::test::Mark;
using pw::test::Window;
using namespace pw::test::widgets;

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
    window.SetText(kTweakItemName, QStringLiteral("item %1").arg(k));
    window.SetText(kKey, QString::number(k));
    window.Click(kAddItem);
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
    window.Click(kAddItem);
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
    QCOMPARE(window.Lines(kTweakItems), QStringList{LineOf(expected)});
    QCOMPARE(window.SelectedRow(kTweakItems), 0);
    QCOMPARE(window.MarkOf(kAddItem), Mark::None);
    QCOMPARE(window.MarkOf(kSaveItem), Mark::None);
    QCOMPARE(window.Edit(kKey)->text(), QStringLiteral("1"));
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
    window.Toggle(kIncreaseKeyNumber);
    window.SetText(kKey, key);
    for (int k = 0; k < 3; ++k)
      window.Click(kAddItem);
    QStringList stored;
    for (const TRepo& item : window.form().Items().All())
      stored << QString::fromStdU16String(item.iKey);
    QCOMPARE(stored, keys);
    QCOMPARE(window.Edit(kKey)->text(), next);
    QCOMPARE(window.SelectedRow(kTweakItems), 2);
    QVERIFY(window.prompts.errors.empty());
  }

  // Each empty field, the hidden ones included, refuses Add and Save alike.
  void refusals_data() {
    QTest::addColumn<QString>("field");
    for (const char* field : {kTweakItemName, kUid, kKey, kMinimalValueSize, kMaximalValueSize})
      QTest::newRow(field) << QString::fromLatin1(field);
    QTest::newRow(kTweakItemDescription) << kTweakItemDescription;
    QTest::newRow("hidden MinValue in Uid set") << "MinValue hidden";
    QTest::newRow("empty selection list") << kUseSelectionList;
  }
  void refusals() {
    QFETCH(QString, field);
    for (const char* command : {kAddItem, kSaveItem}) {
      Window window;
      window.Click(kAddItem);
      const TRepo before = window.form().Items().At(0);
      window.prompts.messages.clear();
      if (field == kTweakItemDescription) {
        window.Memo(kTweakItemDescription)->clear();
      } else if (field == kUseSelectionList) {
        window.Toggle(kUseSelectionList);
      } else if (field == "MinValue hidden") {
        window.SetText(kMinimalValueSize, QString());
        window.Choose(kItemViewType, 1);
      } else {
        window.SetText(field.toLatin1().constData(), QString());
      }
      window.Click(command);
      QCOMPARE(window.prompts.messages, std::vector<std::string>{kFillAll});
      QCOMPARE(window.form().Items().Count(), size_t{1});
      QCOMPARE(window.form().Items().At(0), before);
      QCOMPARE(window.Lines(kTweakItems), QStringList{LineOf(before)});
    }
  }

  void entriesAreTakenOnlyWithUseSelectionList() {
    Window window;
    window.Toggle(kUseSelectionList);
    window.AddValues({"1", "2"});
    window.Click(kAddItem);
    window.Toggle(kUseSelectionList);
    window.Click(kAddItem);
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
    window.Choose(kItemViewType, view);
    if (view == 1)
      window.Type(kSeparator, typed);
    else
      window.Choose(kSelect, typed == "Folder" ? 1 : 0);
    window.Click(kAddItem);
    window.Choose(kItemViewType, 0);
    window.Edit(kSeparator)->clear();
    window.Choose(kSelect, 0);
    window.ClickRow(kTweakItems, 0);
    const TRepo& item = window.form().Items().At(0);
    QCOMPARE(QString::fromStdU16String(item.iMinValue), minValue);
    QCOMPARE(item.iMaxValue, u"0");
    QCOMPARE(window.DropDown(kItemViewType)->currentIndex(), view);
    const QString shown =
        view == 1 ? window.Edit(kSeparator)->text() : window.DropDown(kSelect)->currentText();
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
    window.ClickRow(kTweakItems, 0);
    window.ClickRow(kSelectionListTexts, 0);
    for (const char* field :
         {kTweakItemName, kUid, kKey, kMinimalValueSize, kMaximalValueSize, kListText, kListValue})
      QVERIFY2(window.Edit(field)->text().size() == kLength, field);
    window.Click(kSaveItem);
    QVERIFY(window.form().Items().At(0) == item);
    QVERIFY(window.prompts.errors.empty());
  }

  void saveOverwritesTheSelectedItem() {
    Window window;
    window.Toggle(kIncreaseKeyNumber);
    AddNamedItems(window, 3);
    window.ClickRow(kTweakItems, 1);
    window.Choose(kItemViewType, 1);
    window.Type(kSeparator, QStringLiteral(";"));
    window.SetText(kTweakItemName, QStringLiteral("changed"));
    window.Click(kSaveItem);
    const TRepo& item = window.form().Items().At(1);
    QCOMPARE(item.iName, u"changed");
    QCOMPARE(item.iKey, u"1");
    QCOMPARE(item.iViewType, u"2");
    QCOMPARE(item.iMinValue, u"59");
    QCOMPARE(window.Lines(kTweakItems), ItemLines(window.form().Items()));
    QCOMPARE(window.SelectedRow(kTweakItems), 1);
    QCOMPARE(window.Edit(kKey)->text(), QStringLiteral("1"));
    QCOMPARE(window.MarkOf(kSaveItem), Mark::None);
  }

  void saveAndRemoveWithoutSelectionDoNothing() {
    Window window;
    AddNamedItems(window, 2);
    window.Click(kRemoveItem);
    QCOMPARE(window.SelectedRow(kTweakItems), -1);
    QVERIFY(window.Edit(kTweakItemName)->text().isEmpty());
    const pw::RepoItems before = window.form().Items();
    window.Click(kSaveItem);
    window.Click(kRemoveItem);
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
    window.ClickRow(kTweakItems, 0);
    window.SetText(kTweakItemName, QStringLiteral("edited"));
    window.TryToDeselect(kTweakItems, gesture);
    QCOMPARE(window.SelectedRow(kTweakItems), 0);
    window.Click(kSaveItem);
    QCOMPARE(Names(window.form().Items()), (QStringList{savedName, "item 1"}));
    QCOMPARE(window.Lines(kTweakItems), ItemLines(window.form().Items()));
    QVERIFY(window.prompts.messages.empty());
  }

  void removeLastOfThree() {
    Window window;
    AddNamedItems(window, 3);
    window.Choose(kItemViewType, 3);
    window.ClickRow(kTweakItems, 2);
    window.Click(kRemoveItem);
    QCOMPARE(Names(window.form().Items()), (QStringList{"item 0", "item 1"}));
    QCOMPARE(window.Lines(kTweakItems), ItemLines(window.form().Items()));
    QCOMPARE(window.SelectedRow(kTweakItems), -1);
    for (const char* field :
         {kTweakItemName, kUid, kKey, kMinimalValueSize, kMaximalValueSize, kListText, kListValue})
      QVERIFY2(window.Edit(field)->text().isEmpty(), field);
    QVERIFY(window.Memo(kTweakItemDescription)->toPlainText().isEmpty());
    QCOMPARE(window.DropDown(kItemType)->currentText(), QStringLiteral("String"));
    QCOMPARE(window.DropDown(kItemViewType)->currentText(), QStringLiteral("Common"));
    QVERIFY(!window.Check(kUseSelectionList)->isChecked());
    QVERIFY(window.Check(kUseSelectionList)->isEnabled());
    QVERIFY(!window.Edit(kMinimalValueSize)->isHidden());
    QCOMPARE(window.form().width(), 477);
    QCOMPARE(window.MarkOf(kAddItem), Mark::Add);
  }

  void removeClearsTheEntryListAfterAUidSetItem() {
    Window window;
    window.Choose(kItemViewType, 1);
    window.Click(kAddItem);
    window.ClickRow(kTweakItems, 0);
    window.Click(kRemoveItem);
    QVERIFY(window.Edit(kSeparator)->isHidden());
    QVERIFY(!window.Edit(kMinimalValueSize)->isHidden());
    window.Click(kAddItem);
    QCOMPARE(window.prompts.messages, std::vector<std::string>{kFillAll});
  }

  void selectLoadsTheItem() {
    Window window;
    window.Toggle(kUseSelectionList);
    window.AddValues({"7", "9"});
    window.SetText(kTweakItemName, QStringLiteral("with list"));
    window.Choose(kItemType, 2);
    window.Click(kAddItem);
    window.Toggle(kUseSelectionList);
    window.SetText(kTweakItemName, QStringLiteral("plain"));
    window.Click(kAddItem);
    window.ClickRow(kTweakItems, 0);
    QCOMPARE(window.Edit(kTweakItemName)->text(), QStringLiteral("with list"));
    QCOMPARE(window.DropDown(kItemType)->currentIndex(), 2);
    QCOMPARE(window.Lines(kSelectionListTexts), (QStringList{"text 7", "text 9"}));
    QCOMPARE(window.Lines(kSelectionListValues), (QStringList{"7", "9"}));
    QCOMPARE(window.SelectedRow(kSelectionListTexts), 0);
    QCOMPARE(window.SelectedRow(kSelectionListValues), 0);
    QCOMPARE(window.Label(kCount)->text(), QStringLiteral("2"));
    QVERIFY(window.Check(kUseSelectionList)->isChecked());
    QVERIFY(window.Edit(kListText)->text().isEmpty());
    QCOMPARE(window.form().width(), 767);
    window.PressKey(kTweakItems, Qt::Key_Down);
    QCOMPARE(window.Edit(kTweakItemName)->text(), QStringLiteral("plain"));
    QVERIFY(!window.Check(kUseSelectionList)->isChecked());
    QCOMPARE(window.List(kSelectionListTexts)->count(), 0);
    QCOMPARE(window.form().width(), 477);
  }

  void selectKeepsFieldsTheViewDoesNotUse() {
    Window window;
    window.Choose(kItemViewType, 2);
    window.Click(kAddItem);
    window.Choose(kItemViewType, 0);
    window.SetText(kMinimalValueSize, QStringLiteral("-3"));
    window.ClickRow(kTweakItems, 0);
    QCOMPARE(window.Edit(kMinimalValueSize)->text(), QStringLiteral("-3"));
    QVERIFY(window.Edit(kMinimalValueSize)->isHidden());
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
      window.ClickRow(kTweakItems, selected);
    else
      window.Click(kRemoveItem);  // removing the selected last line leaves none selected
    window.SetText(kTweakItemName, QStringLiteral("unsaved"));
    for (const QString& arrow : arrows)
      window.Click(arrow == "up" ? kMoveUp : kMoveDown);
    QStringList expected;
    for (const QString& k : order)
      expected << QStringLiteral("item ") + k;
    QCOMPARE(Names(window.form().Items()), expected);
    QCOMPARE(window.Lines(kTweakItems), ItemLines(window.form().Items()));
    QCOMPARE(window.SelectedRow(kTweakItems), selectedAfter);
    QCOMPARE(window.Edit(kTweakItemName)->text(), QStringLiteral("unsaved"));
  }

  void holdingAnArrowRepeatsTheMove() {
    Window window;
    AddNamedItems(window, 10);
    window.ClickRow(kTweakItems, 0);
    auto* down = window.Find<QToolButton>(kMoveDown);
    QTest::mousePress(down, Qt::LeftButton, {}, down->rect().center());
    QTest::qWait(800);
    QTest::mouseRelease(down, Qt::LeftButton, {}, down->rect().center());
    QVERIFY(window.SelectedRow(kTweakItems) >= 3);
    QCOMPARE(window.form().Items().At(size_t(window.SelectedRow(kTweakItems))).iName, u"item 0");
  }

  void addStopsAtAKeyThatIsNotANumber() {
    Window window;
    window.Toggle(kIncreaseKeyNumber);
    window.SetText(kKey, QStringLiteral("abc"));
    window.Click(kAddItem);
    QCOMPARE(window.prompts.errors,
             std::vector<std::string>{"''abc'' is not a valid integer value."});
    QCOMPARE(window.form().Items().Count(), size_t{1});
    QCOMPARE(window.List(kTweakItems)->count(), 1);
    QCOMPARE(window.SelectedRow(kTweakItems), -1);
    QCOMPARE(window.MarkOf(kAddItem), Mark::Add);
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
    window.Choose(kItemViewType, 5);
    window.ClickRow(kTweakItems, 0);
    QCOMPARE(window.prompts.errors, std::vector<std::string>{error.toStdString()});
    QCOMPARE(window.Edit(kTweakItemName)->text(), QStringLiteral("read from a file"));
    // The view rules did not run again: the Track bar view's rules still hold.
    QCOMPARE(window.DropDown(kItemType)->currentIndex() == 2, field == "iType");
  }
};

QTEST_MAIN(ItemListTest)
#include "item_list_test.moc"
