// The description fields give back exactly the text they were given, and take the user's
// line breaks as CR LF.
#include <QApplication>
#include <QClipboard>

#include "widget_names.h"
#include "window_harness.h"

using pw::TRepo;
using pw::test::Window;
using namespace pw::test::widgets;

namespace {

// An item as a file may bring it; selecting it puts its description into the memo.
TRepo ItemDescribedAs(const QString& description) {
  TRepo item;
  item.iName = u"from a file";
  item.iDescription = description.toStdU16String();
  item.iUid = u"0x12345678";
  item.iKey = u"1";
  item.iType = u"254";
  item.iViewType = u"1";
  item.iMinValue = u"0";
  item.iMaxValue = u"10";
  return item;
}

// The code units a text layout might treat other than as a plain character: controls, the
// general punctuation block with its spaces, separators and direction marks, the
// noncharacters, the byte order mark, the specials and unpaired surrogates.
QString SpecialCodeUnits() {
  QString text;
  const std::pair<char16_t, char16_t> ranges[] = {
      {0x0000, 0x00A0}, {0x2000, 0x206F}, {0xFDD0, 0xFDEF}, {0xFEFF, 0xFEFF},
      {0xFFF0, 0xFFFF}, {0xD800, 0xD800}, {0xDFFF, 0xDFFF}};
  for (const auto& [first, last] : ranges)
    for (char32_t c = first; c <= last; ++c)
      text += QChar(static_cast<char16_t>(c));
  return text;
}

}  // namespace

class MemoTest : public QObject {
  Q_OBJECT

 private slots:
  void givenTextComesBackExactly_data() {
    QTest::addColumn<QString>("description");
    QTest::newRow("no-break space") << QStringLiteral("a\u00a0b");
    QTest::newRow("line separator") << QStringLiteral("a\u2028b");
    QTest::newRow("paragraph separator") << QStringLiteral("a\u2029b");
    QTest::newRow("lone LF and CR") << QStringLiteral("a\nb\rc");
    QTest::newRow("CR before CR LF, LF before CR") << QStringLiteral("a\r\r\nb\n\rc");
    QTest::newRow("CR LF lines") << QStringLiteral("one\r\ntwo\r\n");
    QTest::newRow("breaks at both ends") << QStringLiteral("\u2029\n\r\nmiddle\r\n\r");
    QTest::newRow("frame marks") << QStringLiteral("\ufdd0x\ufdd1");
    QTest::newRow("controls, separators and specials") << SpecialCodeUnits();
  }
  void givenTextComesBackExactly() {
    QFETCH(QString, description);
    Window window;
    const TRepo item = ItemDescribedAs(description);
    window.form().AppendItem(item);
    window.ClickRow(kTweakItems, 0);
    window.Click(kSaveItem);
    QCOMPARE(window.form().Items().At(0), item);
  }

  // CR LF, CR and LF are the user's line breaks and become CR LF; every other character
  // arrives as it is.
  void arrivingTextKeepsItsCharacters_data() {
    QTest::addColumn<bool>("dropped");
    QTest::addColumn<QString>("arriving");
    QTest::addColumn<QString>("description");
    for (const bool dropped : {false, true}) {
      const char* how = dropped ? "dropped" : "pasted";
      QTest::addRow("%s LF", how) << dropped << QStringLiteral("a\nb") << QStringLiteral("a\r\nb");
      QTest::addRow("%s CR LF", how)
          << dropped << QStringLiteral("a\r\nb") << QStringLiteral("a\r\nb");
      QTest::addRow("%s CR", how) << dropped << QStringLiteral("a\rb") << QStringLiteral("a\r\nb");
      QTest::addRow("%s separators and no-break space", how)
          << dropped << QStringLiteral("a\u00a0b\u2028c\u2029d")
          << QStringLiteral("a\u00a0b\u2028c\u2029d");
    }
  }
  void arrivingTextKeepsItsCharacters() {
    QFETCH(bool, dropped);
    QFETCH(QString, arriving);
    QFETCH(QString, description);
    Window window;
    window.Memo(kTweakItemDescription)->clear();
    if (dropped)
      window.Drop(kTweakItemDescription, arriving);
    else
      window.Paste(kTweakItemDescription, arriving);
    window.Click(kAddItem);
    QCOMPARE(QString::fromStdU16String(window.form().Items().At(0).iDescription), description);
  }

  // Cut and pasted back, the text is the same; others get its characters with LF breaks.
  void cutAndPasteKeepTheText() {
    const QString description = QStringLiteral("a\u00a0b\u2028c\u2029d\r\ne");
    Window window;
    window.form().AppendItem(ItemDescribedAs(description));
    window.ClickRow(kTweakItems, 0);
    QPlainTextEdit* memo = window.Memo(kTweakItemDescription);
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(memo, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("a\u00a0b\u2028c\u2029d\ne"));
    QVERIFY(memo->toPlainText().isEmpty());
    QTest::keyClick(memo, Qt::Key_V, Qt::ControlModifier);
    window.Click(kSaveItem);
    QCOMPARE(QString::fromStdU16String(window.form().Items().At(0).iDescription), description);
  }
};

QTEST_MAIN(MemoTest)
#include "memo_test.moc"
