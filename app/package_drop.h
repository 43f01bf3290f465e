// A package file dropped anywhere on a window, also on a field that would take its path as text.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace pw {

// Watches the window and every widget in it; a package dropped on any of them is taken by the
// window and handed to opens once the drop has ended.
class PackageDrop : public QObject {
 public:
  PackageDrop(QWidget* window, std::function<void(const QString& path)> opens);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void(const QString& path)> opens_;
};

}  // namespace pw
