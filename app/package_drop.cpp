// Takes a dragged package wherever it is over the window and opens it after the drop.
#include "app/package_drop.h"

#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <optional>
#include <utility>

namespace pw {
namespace {

// The one local file a drag carries, as a native path, when its name ends in ".qvx" in any
// case: opening decides what such a file holds.
std::optional<QString> DraggedPackage(const QMimeData* data) {
  if (data == nullptr)
    return std::nullopt;
  const QList<QUrl> files = data->urls();
  if (files.size() != 1)
    return std::nullopt;
  const QUrl& file = files.front();
  if (!file.isLocalFile() || !file.fileName().endsWith(QStringLiteral(".qvx"), Qt::CaseInsensitive))
    return std::nullopt;
  return QDir::toNativeSeparators(file.toLocalFile());
}

}  // namespace

PackageDrop::PackageDrop(QWidget* window, std::function<void(const QString& path)> opens)
    : QObject(window), opens_(std::move(opens)) {
  window->setAcceptDrops(true);
  window->installEventFilter(this);
  for (QWidget* widget : window->findChildren<QWidget*>())
    widget->installEventFilter(this);
}

bool PackageDrop::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
    return QObject::eventFilter(watched, event);
  auto* drop = static_cast<QDropEvent*>(event);
  const std::optional<QString> package = DraggedPackage(drop->mimeData());
  // Copy only: a move would have the file manager delete the package once it is open.
  if (!package || !drop->possibleActions().testFlag(Qt::CopyAction))
    return QObject::eventFilter(watched, event);
  drop->setDropAction(Qt::CopyAction);
  drop->accept();
  // The program the package was dragged from waits until the drop returns; opening may ask
  // questions, so it runs afterwards.
  if (type == QEvent::Drop)
    QMetaObject::invokeMethod(
        this, [this, path = *package] { opens_(path); }, Qt::QueuedConnection);
  return true;
}

}  // namespace pw
