// The widget map that outside scripts find the fields by: where each shown field really is.
#include <QFile>
#include <QHash>
#include <QRect>
#include <QTemporaryDir>

#include "app/widget_map.h"
#include "widget_names.h"
#include "window_harness.h"

using pw::test::Window;
using namespace pw::test::widgets;

namespace {

QHash<QString, QRect> ReadMap(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
    return {};
  QHash<QString, QRect> map;
  while (!file.atEnd()) {
    const QStringList fields = QString::fromUtf8(file.readLine()).split(u' ');
    if (fields.size() == 5)
      map.insert(fields[0], QRect(fields[1].toInt(), fields[2].toInt(), fields[3].toInt(),
                                  fields[4].trimmed().toInt()));
  }
  return map;
}

QRect ScreenRect(const QWidget* widget) {
  return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
}

}  // namespace

class WidgetMapTest : public QObject {
  Q_OBJECT

 private slots:
  void followsTheWindowAndListsOnlyShownFields() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("widgets.txt"));
    Window window;
    new pw::WidgetMap(&window.form(), path);
    window.form().move(window.form().pos() + QPoint(37, 11));

    const QHash<QString, QRect> map = ReadMap(path);
    for (const char* name : {kTweakItemName, kUid, kKey, kAddItem, kPluginFile, kSavePlugin}) {
      QVERIFY2(map.contains(QString::fromLatin1(name)), name);
      QCOMPARE(map.value(QString::fromLatin1(name)), ScreenRect(window.Find<QWidget>(name)));
    }
    QVERIFY(!map.contains(QString::fromLatin1(kSeparator)));
  }
};

QTEST_MAIN(WidgetMapTest)
#include "widget_map_test.moc"
