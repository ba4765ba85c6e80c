// Writes a picture of the window's client area, drawn by the program itself, to the PNG file
// named on the command line: five rings, six moves into the solution.
#include <QApplication>
#include <QTimer>
#include <functional>

#include "Fakes.h"
#include "app/MainWindow.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc != 2) {
    return 2;
  }
  ScriptedDialogs dialogs;
  dialogs.answers = {"5"};
  MainWindow window(dialogs);
  window.ButtonOf(Button::Initialize)->click();
  window.show();
  bool saved = false;
  int moves = 0;
  // One Next per pass of the event loop, so that the solver sets up each following move.
  std::function<void()> next = [&] {
    if (moves++ < 6) {
      window.ButtonOf(Button::Solve)->click();
      QTimer::singleShot(0, &window, next);
      return;
    }
    saved = window.grab().save(QString::fromLocal8Bit(argv[1]));
    window.close();
  };
  QTimer::singleShot(0, &window, next);
  window.ButtonOf(Button::Solve)->click();
  return saved ? 0 : 1;
}
