#include <QApplication>

#include "app/tform1.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tarvelo"));
  QApplication::setApplicationDisplayName(QStringLiteral("Tarvelo"));
  TForm1 Form1;
  Form1.show();
  return QApplication::exec();
}
