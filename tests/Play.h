#pragma once

// For the tests that play: a listener in place of a screen reader, and a player of Next.
#include <QAbstractButton>
#include <QEvent>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

// What a screen reader is told, in order: the name of the board's notification each time it is
// shown anew. It shows the window, since a hidden one tells nothing.
struct Listener : QObject {
  QStringList heard;

  explicit Listener(QWidget& window) {
    window.show();
    window.findChild<QWidget*>("Announcement")->installEventFilter(this);
  }
  bool eventFilter(QObject* note, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      heard << static_cast<QWidget*>(note)->accessibleName();
    }
    return false;
  }
};

// Presses `solve` and then, once per pass of the event loop while it is enabled, runs `next`:
// a press of the button (Next) unless given. Returns once the solution is complete.
inline void Play(QAbstractButton& solve, std::function<void()> next = {}) {
  if (!next) {
    next = [&solve] { solve.click(); };
  }
  std::function<void()> pass = [&] {
    if (QTest::currentTestFailed()) {
      solve.window()->close();  // abandons the solution: the failure is reported at once
      return;
    }
    next();
    if (solve.isEnabled()) {
      QTimer::singleShot(0, &solve, pass);
    }
  };
  QTimer::singleShot(0, &solve, pass);
  solve.click();
}
