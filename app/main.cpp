// The editor program: the application, its main window and the hidden secondary window.
#include <QApplication>
#include <QIcon>

#include <cstring>
#include <iostream>
#include <optional>

#include "app/form1.h"
#include "app/form2.h"
#include "app/widget_map.h"

namespace {

constexpr char kUsage[] =
    "Usage: plugwright [PACKAGE.qvx]\n"
    "Opens the Qorvix Plugwright editor; with a package named, the editor starts with it.\n"
    "\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n";

// Answered before QApplication exists, so that they work without a display.
std::optional<int> AnswerWithoutWindow(int argc, char* argv[]) {
  if (argc != 2)
    return std::nullopt;
  if (std::strcmp(argv[1], "--version") == 0) {
    std::cout << "plugwright " PLUGWRIGHT_VERSION "\n";
    return 0;
  }
  if (std::strcmp(argv[1], "--help") == 0) {
    std::cout << kUsage;
    return 0;
  }
  return std::nullopt;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (const std::optional<int> status = AnswerWithoutWindow(argc, argv))
    return *status;
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Qorvix Plugwright"));
  // The installed icon and menu entry; desktops match the window to the entry by this name.
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("plugwright")));
  QGuiApplication::setDesktopFileName(QStringLiteral("qorvix-plugwright"));
  pw::FormStartup startup;
  startup.arguments = QApplication::arguments().mid(1);
  pw::TForm1 form1(startup);
  pw::TForm2 form2;
  pw::MapWidgetsWhenAsked(&form1);
  form1.show();
  return QApplication::exec();
}
