// The editor program: the application, its main window and the hidden secondary window.
#include <QApplication>

#include "app/form1.h"
#include "app/form2.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Qorvix Plugwright"));
  pw::FormStartup startup;
  startup.arguments = QApplication::arguments().mid(1);
  pw::TForm1 form1(startup);
  pw::TForm2 form2;
  form1.show();
  return QApplication::exec();
}
