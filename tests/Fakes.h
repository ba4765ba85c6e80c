#pragma once

// Message and input boxes for the tests, the benchmarks and the screenshot: they answer from a
// script instead of waiting for a user; and a listener in place of a screen reader.
#include <QAbstractButton>
#include <QEvent>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "commands/Dialogs.h"

// Answers questions from a script (Cancel, "", once it has run out) and records the text of every
// box. `during` runs while each box is open.
struct ScriptedDialogs : Dialogs {
  std::vector<std::string> answers;
  std::size_t answered = 0;
  std::vector<std::string> shown;
  std::function<void()> during = [] {};

  void ShowMessage(std::string_view text, MessageIcon) override {
    shown.emplace_back(text);
    during();
  }
  std::string AskText(std::string_view prompt, std::string_view) override {
    std::string answer = answered < answers.size() ? answers[answered++] : "";
    shown.emplace_back(prompt);
    during();
    return answer;
  }
};

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
    next();
    if (solve.isEnabled()) {
      QTimer::singleShot(0, &solve, pass);
    }
  };
  QTimer::singleShot(0, &solve, pass);
  solve.click();
}
