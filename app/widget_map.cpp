// The widget map: one line per visible named widget, in screen coordinates.
#include "app/widget_map.h"

#include <QEvent>
#include <QSaveFile>
#include <QTextStream>
#include <QWidget>

#include <utility>

namespace pw {

WidgetMap::WidgetMap(QWidget* window, QString path)
    : QObject(window), window_(window), path_(std::move(path)) {
  window_->installEventFilter(this);
}

bool WidgetMap::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched == window_ &&
      (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize))
    Write();
  return QObject::eventFilter(watched, event);
}

// Written whole under a temporary name, so a script never reads half a map.
void WidgetMap::Write() const {
  QSaveFile file(path_);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
    return;
  QTextStream out(&file);
  for (const QWidget* widget : window_->findChildren<QWidget*>()) {
    if (widget->objectName().isEmpty() || !widget->isVisibleTo(window_))
      continue;
    const QPoint origin = widget->mapToGlobal(QPoint(0, 0));
    out << widget->objectName() << ' ' << origin.x() << ' ' << origin.y() << ' ' << widget->width()
        << ' ' << widget->height() << '\n';
  }
  out.flush();
  file.commit();
}

void MapWidgetsWhenAsked(QWidget* window) {
  const QString path = qEnvironmentVariable("PLUGWRIGHT_WIDGET_MAP");
  if (!path.isEmpty())
    new WidgetMap(window, path);
}

}  // namespace pw
