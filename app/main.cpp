#include <QApplication>

#include "app/MainWindow.h"
#include "app/QtDialogs.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("hanoi");
  QGuiApplication::setDesktopFileName("com.example.Hanoi");

  QtDialogs dialogs;
  MainWindow window(dialogs);
  dialogs.SetParent(&window);
  window.show();
  return QApplication::exec();
}
