// A bare Qt Widgets window with the program's client size and one push button: what Qt itself
// costs to start and to hold in memory. With --measure-text it also measures one string before
// showing, which makes Qt load its font database before the window is mapped rather than after,
// as any window that draws text before it is shown must.
#include <QApplication>
#include <QFontMetricsF>
#include <QPushButton>
#include <QWidget>
#include <cstring>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  if (argc > 1 && std::strcmp(argv[1], "--measure-text") == 0) {
    volatile double width = QFontMetricsF(window.font()).horizontalAdvance("a");
    (void)width;
  }
  window.setWindowTitle("Baseline window");
  window.setFixedSize(564, 341);
  auto* button = new QPushButton("&Button", &window);
  button->setGeometry(8, 296, 97, 41);
  window.show();
  return QApplication::exec();
}
