// The small rules that keep the editor consistent: views, the width switch, marks, key filters.
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QInputMethodEvent>

#include "app/field_text.h"
#include "app/uid_digits_validator.h"

#include "widget_names.h"
#include "window_harness.h"

using pw::test::Mark;
using pw::test::Window;
using namespace pw::test::widgets;

namespace {

enum class Area { Bounds, Separator, PathKind };

// Which fields of the bounds area a view shows.
QStringList ShownInBoundsArea(const Window& window) {
  QStringList shown;
  for (const char* field : {kMinimalValueSizeLabel, kMinimalValueSize, kMaximalValueSizeLabel,
                            kMaximalValueSize, kSeparatorLabel, kSeparator, kSelectLabel, kSelect})
    if (!window.Find<QWidget>(field)->isHidden())
      shown << QString::fromLatin1(field);
  return shown;
}

QStringList AreaFields(Area area) {
  switch (area) {
    case Area::Separator:
      return {kSeparatorLabel, kSeparator};
    case Area::PathKind:
      return {kSelectLabel, kSelect};
    default:
      return {kMinimalValueSizeLabel, kMinimalValueSize, kMaximalValueSizeLabel, kMaximalValueSize};
  }
}

}  // namespace

class ViewRulesTest : public QObject {
  Q_OBJECT

 private slots:
  void views_data() {
    QTest::addColumn<int>("view");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("area");
    QTest::addColumn<int>("width");
    QTest::newRow("Common") << 0 << false << true << 1 << int(Area::Bounds) << 477;
    QTest::newRow("Uid set") << 1 << false << false << 1 << int(Area::Separator) << 477;
    QTest::newRow("Path") << 2 << false << false << 1 << int(Area::PathKind) << 477;
    QTest::newRow("Bitmask") << 3 << true << false << 2 << int(Area::Bounds) << 767;
    QTest::newRow("Application") << 4 << false << false << 2 << int(Area::Bounds) << 477;
    QTest::newRow("Track bar") << 5 << false << false << 2 << int(Area::Bounds) << 477;
  }
  void views() {
    QFETCH(int, view);
    QFETCH(bool, checked);
    QFETCH(bool, enabled);
    QFETCH(int, type);
    QFETCH(int, area);
    QFETCH(int, width);
    Window window;
    window.Choose(kItemViewType, view);
    QCOMPARE(window.DropDown(kItemViewType)->currentIndex(), view);
    QCOMPARE(window.Check(kUseSelectionList)->isChecked(), checked);
    QCOMPARE(window.Check(kUseSelectionList)->isEnabled(), enabled);
    QCOMPARE(window.DropDown(kItemType)->currentIndex(), type);
    QCOMPARE(ShownInBoundsArea(window), AreaFields(Area(area)));
    QCOMPARE(window.form().width(), width);
    QCOMPARE(window.Find<QGroupBox>(kSelectionListPanel)->isEnabled(), checked);
    QCOMPARE(window.MarkOf(kAddItem), Mark::Add);
    QCOMPARE(window.MarkOf(kSaveItem), Mark::Save);
    QCOMPARE(window.MarkOf(kAddValue), Mark::None);
  }

  void commonAfterBitmaskKeepsTheListAndTheType() {
    Window window;
    window.Choose(kItemViewType, 3);
    window.Choose(kItemViewType, 0);
    QVERIFY(window.Check(kUseSelectionList)->isEnabled());
    QVERIFY(window.Check(kUseSelectionList)->isChecked());
    QCOMPARE(window.DropDown(kItemType)->currentIndex(), 2);
    QCOMPARE(window.form().width(), 767);
  }

  void uidSetNarrowsAndKeepsHiddenBounds() {
    Window window;
    window.Toggle(kUseSelectionList);
    window.SetText(kMinimalValueSize, "5");
    window.SetText(kMaximalValueSize, "9");
    window.Choose(kItemViewType, 1);
    QCOMPARE(window.form().width(), 477);
    QVERIFY(!window.Check(kUseSelectionList)->isChecked());
    QCOMPARE(window.Edit(kMinimalValueSize)->text(), QStringLiteral("5"));
    QCOMPARE(window.Edit(kMaximalValueSize)->text(), QStringLiteral("9"));
  }

  void theUserMayChangeTheTypeAfterTheView() {
    Window window;
    window.Choose(kItemViewType, 4);
    window.Choose(kItemType, 0);
    QCOMPARE(window.DropDown(kItemType)->currentIndex(), 0);
    QCOMPARE(window.DropDown(kItemViewType)->currentIndex(), 4);
  }

  void useSelectionListSwitchesWidthAndPanel() {
    Window window;
    auto* panel = window.Find<QGroupBox>(kSelectionListPanel);
    window.Toggle(kUseSelectionList);
    QCOMPARE(window.form().size(), QSize(767, 638));
    QVERIFY(panel->isEnabled());
    QCOMPARE(window.MarkOf(kAddItem), Mark::Add);
    QCOMPARE(window.MarkOf(kSaveItem), Mark::Save);
    window.Toggle(kUseSelectionList);
    QCOMPARE(window.form().size(), QSize(477, 638));
    QVERIFY(!panel->isEnabled());
  }

  // Which fields mark which pair of buttons when the user changes them.
  void marks_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("itemMarked");
    QTest::addColumn<bool>("valueMarked");
    for (const char* field : {kTweakItemName, kTweakItemDescription, kUid, kKey, kMinimalValueSize,
                              kMaximalValueSize, kItemType})
      QTest::newRow(field) << QString::fromLatin1(field) << true << false;
    for (const char* field : {kListText, kListValue})
      QTest::newRow(field) << QString::fromLatin1(field) << false << true;
    for (const char* field : {kPluginName, kDescription, kPluginFile, kPluginUid, kSelect})
      QTest::newRow(field) << QString::fromLatin1(field) << false << false;
  }
  void marks() {
    QFETCH(QString, field);
    QFETCH(bool, itemMarked);
    QFETCH(bool, valueMarked);
    Window window;
    const QByteArray name = field.toLatin1();
    if (field == kListText || field == kListValue)
      window.Toggle(kUseSelectionList);
    if (field == kSelect)
      window.Choose(kItemViewType, 2);
    if (window.Check(kUseSelectionList)->isChecked())
      window.Click(kAddValue);
    window.Click(kAddItem);
    if (qobject_cast<QComboBox*>(window.Find<QWidget>(name.constData())) != nullptr)
      window.Choose(name.constData(), 0);
    else
      window.Type(name.constData(), QStringLiteral("A"));
    QCOMPARE(window.MarkOf(kAddItem), itemMarked ? Mark::Add : Mark::None);
    QCOMPARE(window.MarkOf(kSaveItem), itemMarked ? Mark::Save : Mark::None);
    QCOMPARE(window.MarkOf(kAddValue), valueMarked ? Mark::Add : Mark::None);
    QCOMPARE(window.MarkOf(kSaveValue), valueMarked ? Mark::Save : Mark::None);
  }

  void enterIsNotTypedIntoDescriptions_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("key");
    QTest::newRow("TweakDescr Return") << kTweakItemDescription << int(Qt::Key_Return);
    QTest::newRow("TweakDescr Enter") << kTweakItemDescription << int(Qt::Key_Enter);
    QTest::newRow("SetDescr Return") << kDescription << int(Qt::Key_Return);
  }
  void enterIsNotTypedIntoDescriptions() {
    QFETCH(QString, field);
    QFETCH(int, key);
    Window window;
    const QByteArray name = field.toLatin1();
    QPlainTextEdit* memo = window.Memo(name.constData());
    memo->clear();
    window.Type(name.constData(), QStringLiteral("a"));
    window.PressKey(name.constData(), Qt::Key(key));
    window.Type(name.constData(), QStringLiteral("b"));
    QCOMPARE(memo->toPlainText(), QStringLiteral("ab"));
  }

  // However characters arrive, at most five hexadecimal digits end up in the field.
  void pluginUidTakesFiveHexDigits_data() {
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("arriving");
    QTest::addColumn<QString>("result");
    for (const char* way : {"typed", "pasted", "dropped", "composed"}) {
      QTest::addRow("%s hex digits of both cases", way) << way << ""
                                                        << "0aF9"
                                                        << "0aF9";
      QTest::addRow("%s other characters", way) << way << ""
                                                << "g-x Z"
                                                << "";
      QTest::addRow("%s digits among others", way) << way << ""
                                                   << "0x1F-ab"
                                                   << "01Fab";
      QTest::addRow("%s five is the limit", way) << way << "1234"
                                                 << "567"
                                                 << "12345";
      QTest::addRow("%s full field", way) << way << "00000"
                                          << "1"
                                          << "00000";
    }
    QTest::newRow("typed backspace in a full field") << "typed"
                                                     << "00000"
                                                     << "\b"
                                                     << "0000";
  }
  void pluginUidTakesFiveHexDigits() {
    QFETCH(QString, way);
    QFETCH(QString, start);
    QFETCH(QString, arriving);
    QFETCH(QString, result);
    Window window;
    window.Edit(kPluginUid)->setText(start);
    if (way == "pasted") {
      window.Paste(kPluginUid, arriving);
    } else if (way == "dropped") {
      window.Drop(kPluginUid, arriving);
    } else if (way == "composed") {
      QInputMethodEvent composed;
      composed.setCommitString(arriving);
      window.Edit(kPluginUid)->setFocus();
      QApplication::sendEvent(window.Edit(kPluginUid), &composed);
    } else {
      for (QChar c : arriving) {
        if (c == u'\b')
          window.PressKey(kPluginUid, Qt::Key_Backspace);
        else
          window.Type(kPluginUid, QString(c));
      }
    }
    QCOMPARE(window.Edit(kPluginUid)->text(), result);
  }

  // Unlike a typed key, pasted text replaces the selection, also in a full field.
  void pasteReplacesTheSelectedUid() {
    Window window;
    QLineEdit* uid = window.Edit(kPluginUid);
    QApplication::clipboard()->setText(QStringLiteral("C0FFEE"));
    uid->setFocus();
    QTest::keyClick(uid, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(uid, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(uid->text(), QStringLiteral("C0FFE"));
  }

  // A text read from a file goes in whole; the rule is for what the user enters.
  void pluginUidFromAFileGoesInWhole() {
    QLineEdit field;
    field.setValidator(new pw::UidDigitsValidator(&field));
    pw::SetFieldText(&field, u"12 x 4567");
    QCOMPARE(field.text(), QStringLiteral("12 x 4567"));
  }

  void fullPluginUidIgnoresSelection() {
    Window window;
    QLineEdit* uid = window.Edit(kPluginUid);
    uid->setFocus();
    uid->selectAll();
    window.Type(kPluginUid, QStringLiteral("7"));
    QCOMPARE(uid->text(), QStringLiteral("00000"));
    window.PressKey(kPluginUid, Qt::Key_Delete);
    window.Type(kPluginUid, QStringLiteral("7"));
    QCOMPARE(uid->text(), QStringLiteral("7"));
  }

  void separatorKeepsOneCharacter() {
    Window window;
    window.Choose(kItemViewType, 1);
    window.Type(kSeparator, QStringLiteral(";,"));
    QCOMPARE(window.Edit(kSeparator)->text(), QStringLiteral(";"));
    window.Edit(kSeparator)->setText(QStringLiteral("|/"));
    QCOMPARE(window.Edit(kSeparator)->text(), QStringLiteral("|"));
  }
};

QTEST_MAIN(ViewRulesTest)
#include "view_rules_test.moc"
