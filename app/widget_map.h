// A map of where the window's named widgets are on the screen, for scripts that drive the editor
// from outside (the Windows window session under Wine) and must find a field wherever this
// machine's fonts and style put it.
#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace pw {

// Writes "objectName left top width height" (screen pixels) for every visible named widget of
// window into path, again whenever the window is shown, moved or resized.
class WidgetMap : public QObject {
 public:
  WidgetMap(QWidget* window, QString path);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Write() const;

  QWidget* window_;
  QString path_;
};

// With PLUGWRIGHT_WIDGET_MAP set to a file path, keeps that file as the map of window.
void MapWidgetsWhenAsked(QWidget* window);

}  // namespace pw
