#pragma once

// For the tests that play: a watch on what appears, and a player of Next.
#include <QAbstractButton>
#include <QEvent>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

// Runs `seen` on each Show event that `watched` receives, or any object when `watched` is the
// application: in the tests, what a screen reader is told (the board's notification shown anew)
// and the moment a box appears.
struct OnShow : QObject {
  std::function<void(QObject*)> seen;

  OnShow(QObject* watched, std::function<void(QObject*)> on_show) : seen(std::move(on_show)) {
    watched->installEventFilter(this);
  }
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      seen(object);
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
