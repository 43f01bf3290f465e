// The selection-list panel: add, save and remove values, following selections, derived bounds.
#include "widget_names.h"
#include "window_harness.h"

using pw::test::Deselecting;
using pw::test::Mark;
using pw::test::Window;
using namespace pw::test::widgets;

namespace {

// A window with the panel in view and the given view chosen.
struct Panel {
  explicit Panel(int view = 0) {
    window.Toggle(kUseSelectionList);
    if (view != 0)
      window.Choose(kItemViewType, view);
  }
  QString Min() const { return window.Edit(kMinimalValueSize)->text(); }
  QString Max() const { return window.Edit(kMaximalValueSize)->text(); }
  Window window;
};

QStringList Numbers(int count) {
  QStringList values;
  for (int k = 0; k < count; ++k)
    values << QString::number(k);
  return values;
}

}  // namespace

class SelectionListTest : public QObject {
  Q_OBJECT

 private slots:
  void addValue() {
    Panel panel;
    panel.window.AddValues({"5", "6"});
    QCOMPARE(panel.window.Lines(kSelectionListTexts), (QStringList{"text 5", "text 6"}));
    QCOMPARE(panel.window.Lines(kSelectionListValues), (QStringList{"5", "6"}));
    QCOMPARE(panel.window.SelectedRow(kSelectionListTexts), 1);
    QCOMPARE(panel.window.SelectedRow(kSelectionListValues), 1);
    QCOMPARE(panel.window.Label(kCount)->text(), QStringLiteral("2"));
    QCOMPARE(panel.window.MarkOf(kAddValue), Mark::None);
    QCOMPARE(panel.window.MarkOf(kSaveValue), Mark::None);
    QCOMPARE(panel.window.MarkOf(kAddItem), Mark::Add);
  }

  void commonBounds_data() {
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("min");
    QTest::addColumn<QString>("max");
    QTest::newRow("0 1 2") << QStringList{"0", "1", "2"} << "0"
                           << "2";
    QTest::newRow("above 100") << QStringList{"200", "300"} << "100"
                               << "300";
    QTest::newRow("below -100") << QStringList{"-500", "-300"} << "-500"
                                << "-100";
    QTest::newRow("texts copied as written") << QStringList{"0x10", "$5"} << "$5"
                                             << "0x10";
    QTest::newRow("first of equals stays") << QStringList{"0x20", "32", "-0x20", "-32"} << "-0x20"
                                           << "0x20";
    QTest::newRow("-1 as a 32-bit pattern") << QStringList{"0xFFFFFFFF"} << "0xFFFFFFFF"
                                            << "0x7fffffff";
  }
  void commonBounds() {
    QFETCH(QStringList, values);
    QFETCH(QString, min);
    QFETCH(QString, max);
    Panel panel;
    panel.window.AddValues(values);
    QCOMPARE(panel.Min(), min);
    QCOMPARE(panel.Max(), max);
    QVERIFY(panel.window.prompts.errors.empty());
  }

  void bitmaskBounds_data() {
    QTest::addColumn<int>("added");
    QTest::addColumn<int>("removed");
    QTest::addColumn<QString>("max");
    QTest::newRow("3") << 3 << 0 << "8";
    QTest::newRow("30") << 30 << 0 << "1073741824";
    QTest::newRow("31") << 31 << 0 << "0x7fffffff";
    QTest::newRow("63, past the 64-bit range") << 63 << 0 << "0x7fffffff";
    QTest::newRow("all removed") << 2 << 2 << "1";
  }
  void bitmaskBounds() {
    QFETCH(int, added);
    QFETCH(int, removed);
    QFETCH(QString, max);
    Panel panel(3);
    panel.window.AddValues(Numbers(added));
    for (int k = 0; k < removed; ++k)
      panel.window.Click(kRemoveValue);
    QCOMPARE(panel.Min(), QStringLiteral("0"));
    QCOMPARE(panel.Max(), max);
    QVERIFY(panel.window.prompts.errors.empty());
  }

  // The final test reads the upper bound with 64 bits, in every view. In the Application view
  // the panel is out of reach, so the commands are run the way their buttons run them.
  void applicationFinalTest_data() {
    QTest::addColumn<QString>("max");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("error");
    QTest::newRow("top of 32 bits") << "2147483647"
                                    << "2147483647"
                                    << "";
    QTest::newRow("one above") << "2147483648"
                               << "0x7fffffff"
                               << "";
    QTest::newRow("4294967295") << "4294967295"
                                << "0x7fffffff"
                                << "";
    QTest::newRow("hex, positive in 64 bits") << "0x80000000"
                                              << "0x7fffffff"
                                              << "";
    QTest::newRow("hex, -1 in 64 bits") << "0xFFFFFFFFFFFFFFFF"
                                        << "0xFFFFFFFFFFFFFFFF"
                                        << "";
    QTest::newRow("past 64 bits") << "9223372036854775808"
                                  << "9223372036854775808"
                                  << "''9223372036854775808'' is not a valid integer value.";
    QTest::newRow("empty") << ""
                           << ""
                           << "'''' is not a valid integer value.";
  }
  void applicationFinalTest() {
    QFETCH(QString, max);
    QFETCH(QString, after);
    QFETCH(QString, error);
    for (const char* command : {kAddValue, kSaveValue, kRemoveValue}) {
      Window window;
      window.Choose(kItemViewType, 4);
      window.SetText(kMinimalValueSize, QStringLiteral("5"));
      window.SetText(kMaximalValueSize, max);
      window.Edit(kListValue)->setText(QStringLiteral("any text"));
      window.RunCommand(command);
      QCOMPARE(window.Edit(kMaximalValueSize)->text(), after);
      QCOMPARE(window.Edit(kMinimalValueSize)->text(), QStringLiteral("5"));
      const std::vector<std::string> errors =
          error.isEmpty() ? std::vector<std::string>{} : std::vector{error.toStdString()};
      QCOMPARE(window.prompts.errors, errors);
    }
  }

  void increaseValue_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("next");
    QTest::newRow("from 0") << "0" << QStringList{"0", "1", "2", "3"} << "4";
    QTest::newRow("top of 32 bits wraps")
        << "2147483646" << QStringList{"2147483646", "2147483647", "-2147483648", "-2147483647"}
        << "-2147483646";
  }
  void increaseValue() {
    QFETCH(QString, first);
    QFETCH(QStringList, values);
    QFETCH(QString, next);
    Panel panel;
    panel.window.Toggle(kIncreaseValue);
    panel.window.SetText(kListValue, first);
    for (int k = 0; k < 4; ++k)
      panel.window.Click(kAddValue);
    QCOMPARE(panel.window.Lines(kSelectionListValues), values);
    QCOMPARE(panel.window.Edit(kListValue)->text(), next);
    QCOMPARE(panel.window.MarkOf(kAddValue), Mark::None);
    QVERIFY(panel.window.prompts.errors.empty());
  }

  void increaseValueStopsAtAValueThatIsNotANumber() {
    Panel panel;
    panel.window.AddValues({"7"});
    panel.window.Toggle(kIncreaseValue);
    panel.window.SetText(kListValue, QStringLiteral("seven"));
    panel.window.SetText(kMaximalValueSize, QStringLiteral("55"));
    panel.window.Click(kAddValue);
    QCOMPARE(panel.window.prompts.errors,
             std::vector<std::string>{"''seven'' is not a valid integer value."});
    QCOMPARE(panel.window.Lines(kSelectionListValues), (QStringList{"7", "seven"}));
    QCOMPARE(panel.window.Label(kCount)->text(), QStringLiteral("2"));
    QCOMPARE(panel.Max(), QStringLiteral("55"));
    QCOMPARE(panel.window.MarkOf(kAddValue), Mark::Add);
  }

  void commonValueThatIsNotANumberStopsTheBounds_data() {
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("min");
    QTest::addColumn<QString>("max");
    QTest::newRow("while finding the lower bound") << QStringList{"5", "zz"} << "5"
                                                   << "-100";
    QTest::newRow("while finding the upper bound") << QStringList{"zz"} << "100"
                                                   << "-100";
  }
  void commonValueThatIsNotANumberStopsTheBounds() {
    QFETCH(QStringList, values);
    QFETCH(QString, min);
    QFETCH(QString, max);
    Panel panel;
    panel.window.AddValues(values);
    QCOMPARE(panel.window.prompts.errors.back(),
             std::string("''zz'' is not a valid integer value."));
    QCOMPARE(panel.Min(), min);
    QCOMPARE(panel.Max(), max);
    QCOMPARE(panel.window.MarkOf(kSaveValue), Mark::Save);
  }

  void saveValue() {
    Panel panel;
    panel.window.AddValues({"1", "2", "3"});
    panel.window.ClickRow(kSelectionListTexts, 1);
    panel.window.SetText(kListText, QStringLiteral("two"));
    panel.window.SetText(kListValue, QStringLiteral("-2"));
    panel.window.Click(kSaveValue);
    QCOMPARE(panel.window.Lines(kSelectionListTexts), (QStringList{"text 1", "two", "text 3"}));
    QCOMPARE(panel.window.Lines(kSelectionListValues), (QStringList{"1", "-2", "3"}));
    QCOMPARE(panel.window.SelectedRow(kSelectionListValues), 1);
    QCOMPARE(panel.Min(), QStringLiteral("-2"));
    QCOMPARE(panel.window.MarkOf(kSaveValue), Mark::None);
  }

  // Only an empty entry list has no selected line. Every way to check "Use selection list"
  // marks the item buttons, so the command runs the way its button runs it.
  void saveValueWithoutSelectionStillDerivesBounds() {
    Window window;
    window.SetText(kMinimalValueSize, QStringLiteral("77"));
    window.Click(kAddItem);
    window.SetText(kListText, QStringLiteral("not taken"));
    window.RunCommand(kSaveValue);
    QVERIFY(window.Lines(kSelectionListTexts).isEmpty());
    QCOMPARE(window.Edit(kMinimalValueSize)->text(), QStringLiteral("100"));
    QCOMPARE(window.Edit(kMaximalValueSize)->text(), QStringLiteral("-100"));
    QCOMPARE(window.MarkOf(kSaveItem), Mark::Save);
    QCOMPARE(window.MarkOf(kSaveValue), Mark::None);
  }

  void remove_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<int>("selectedAfter");
    QTest::newRow("middle of three") << 3 << 1 << QStringList{"0", "2"} << 1;
    QTest::newRow("last of three") << 3 << 2 << QStringList{"0", "1"} << 1;
    QTest::newRow("only entry") << 1 << 0 << QStringList{} << -1;
    QTest::newRow("empty list") << 0 << -1 << QStringList{} << -1;
  }
  void remove() {
    QFETCH(int, count);
    QFETCH(int, selected);
    QFETCH(QStringList, left);
    QFETCH(int, selectedAfter);
    Panel panel;
    panel.window.AddValues(Numbers(count));
    if (selected >= 0)
      panel.window.ClickRow(kSelectionListValues, selected);
    panel.window.Click(kRemoveValue);
    QCOMPARE(panel.window.Lines(kSelectionListValues), left);
    QCOMPARE(panel.window.List(kSelectionListTexts)->count(), left.size());
    QCOMPARE(panel.window.SelectedRow(kSelectionListTexts), selectedAfter);
    QCOMPARE(panel.window.SelectedRow(kSelectionListValues), selectedAfter);
    QCOMPARE(panel.window.Label(kCount)->text(), QString::number(left.size()));
    if (left.isEmpty()) {
      QCOMPARE(panel.Min(), QStringLiteral("100"));
      QCOMPARE(panel.Max(), QStringLiteral("-100"));
    }
  }

  void listsFollowEachOther_data() {
    QTest::addColumn<QString>("list");
    QTest::newRow("texts") << kSelectionListTexts;
    QTest::newRow("values") << kSelectionListValues;
  }
  void listsFollowEachOther() {
    QFETCH(QString, list);
    const QByteArray name = list.toLatin1();
    Panel panel;
    panel.window.AddValues({"1", "2", "3"});
    panel.window.ClickRow(name.constData(), 0);
    QCOMPARE(panel.window.SelectedRow(kSelectionListTexts), 0);
    QCOMPARE(panel.window.SelectedRow(kSelectionListValues), 0);
    QCOMPARE(panel.window.Edit(kListText)->text(), QStringLiteral("text 1"));
    QCOMPARE(panel.window.Edit(kListValue)->text(), QStringLiteral("1"));
    QCOMPARE(panel.window.MarkOf(kAddValue), Mark::Add);
    panel.window.PressKey(name.constData(), Qt::Key_Down);
    QCOMPARE(panel.window.SelectedRow(kSelectionListTexts), 1);
    QCOMPARE(panel.window.SelectedRow(kSelectionListValues), 1);
    QCOMPARE(panel.window.Edit(kListText)->text(), QStringLiteral("text 2"));
    QCOMPARE(panel.window.Edit(kListValue)->text(), QStringLiteral("2"));
  }

  // Neither list can be left without a selected line while it holds lines, so "Save value"
  // always has its entry.
  void selectionSurvivesAttemptsToClearIt_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<Deselecting>("gesture");
    for (const char* list : {kSelectionListTexts, kSelectionListValues}) {
      const QString name = QString::fromLatin1(list);
      QTest::addRow("%s, blank area", list) << name << Deselecting::BlankClick;
      QTest::addRow("%s, control-click", list) << name << Deselecting::ControlClick;
      QTest::addRow("%s, control-space", list) << name << Deselecting::ControlSpace;
    }
  }
  void selectionSurvivesAttemptsToClearIt() {
    QFETCH(QString, list);
    QFETCH(Deselecting, gesture);
    const QByteArray name = list.toLatin1();
    Panel panel;
    panel.window.AddValues({"1", "2", "3"});
    panel.window.ClickRow(name.constData(), 1);
    panel.window.TryToDeselect(name.constData(), gesture);
    QCOMPARE(panel.window.SelectedRow(kSelectionListTexts), 1);
    QCOMPARE(panel.window.SelectedRow(kSelectionListValues), 1);
    panel.window.SetText(kListValue, QStringLiteral("20"));
    panel.window.Click(kSaveValue);
    QCOMPARE(panel.window.Lines(kSelectionListValues), (QStringList{"1", "20", "3"}));
    QCOMPARE(panel.window.Lines(kSelectionListTexts), (QStringList{"text 1", "text 2", "text 3"}));
  }

  void clickIntoAnEmptyListChangesNothing() {
    Panel panel;
    panel.window.SetText(kListText, QStringLiteral("kept"));
    QListWidget* names = panel.window.List(kSelectionListTexts);
    QTest::mouseClick(names->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(panel.window.Edit(kListText)->text(), QStringLiteral("kept"));
    QCOMPARE(panel.window.SelectedRow(kSelectionListValues), -1);
  }
};

QTEST_MAIN(SelectionListTest)
#include "selection_list_test.moc"
