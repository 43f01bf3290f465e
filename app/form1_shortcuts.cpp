// The quicker ways to "Save plugin" and "Open plugin": Ctrl+S, Ctrl+O and a package dropped on
// the window.
#include <QKeySequence>
#include <QShortcut>

#include "app/form1.h"
#include "app/package_drop.h"

namespace pw {

// The keys run the buttons' own handlers, so they save and open exactly as the buttons do.
void TForm1::WireShortcuts() {
  const std::pair<QKeySequence, void (TForm1::*)()> keys[] = {
      {QKeySequence(Qt::CTRL | Qt::Key_S), &TForm1::Button11Click},
      {QKeySequence(Qt::CTRL | Qt::Key_O), &TForm1::Button12Click},
  };
  for (const auto& [key, handler] : keys)
    connect(new QShortcut(key, this), &QShortcut::activated, this, Guarded(handler));
  new PackageDrop(this,
                  [this](const QString& path) { RunHandler([&] { OpenDroppedPackage(path); }); });
}

// As "Open plugin" after its dialog: the dialog keeps the dropped package as its file name.
void TForm1::OpenDroppedPackage(const QString& path) {
  openDialog_.fileName = path;
  OpenPluginFile(path);
}

}  // namespace pw
