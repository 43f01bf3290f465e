// Saves pictures of the editor window, narrow and wide, for a look at the layout:
// window_snapshot <folder>
#include <QApplication>
#include <QDir>
#include <QPixmap>

#include "widget_names.h"
#include "window_harness.h"

using namespace pw::test::widgets;

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
  pw::test::Window window;
  window.Click(kAddItem);
  window.Click(kAddItem);
  window.form().grab().save(folder.filePath(QStringLiteral("window-narrow.png")));
  window.Toggle(kUseSelectionList);
  window.AddValues({QStringLiteral("0"), QStringLiteral("1")});
  QTest::qWait(50);
  window.form().grab().save(folder.filePath(QStringLiteral("window-wide.png")));
  window.Choose(kItemViewType, 1);
  window.form().grab().save(folder.filePath(QStringLiteral("window-uid-set.png")));
  window.Choose(kItemViewType, 2);
  window.form().grab().save(folder.filePath(QStringLiteral("window-path.png")));
  return 0;
}
