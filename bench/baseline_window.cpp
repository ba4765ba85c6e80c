// A bare Qt Widgets window with the program's client size and one push button: what Qt itself
// costs to start and to hold in memory.
#include <QApplication>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle("Baseline window");
  window.setFixedSize(564, 341);
  auto* button = new QPushButton("&Button", &window);
  button->setGeometry(8, 296, 97, 41);
  window.show();
  return QApplication::exec();
}
