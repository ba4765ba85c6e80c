#pragma once

// The one fixture of the tests and benchmarks: the commands over the real drawing area, with the
// buttons, the timer and the boxes as plain values and the solver's wait without an event loop.
// Needs a QApplication.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app/DrawingArea.h"
#include "board/Board.h"
#include "commands/Commands.h"
#include "solver/Solver.h"

// Answers questions from a script (Cancel, "", once it has run out) and records the text of every
// box and the icon of the last. `during` runs while each box is open.
struct ScriptedDialogs : Dialogs {
  std::deque<std::string> answers;
  std::vector<std::string> shown;
  MessageIcon icon = MessageIcon::None;
  std::function<void()> during = [] {};

  void ShowMessage(std::string_view text, MessageIcon i) override {
    icon = i;
    shown.emplace_back(text);
    during();
  }
  std::string AskText(std::string_view prompt, std::string_view) override {
    std::string answer = answers.empty() ? "" : answers.front();
    if (!answers.empty()) {
      answers.pop_front();
    }
    shown.emplace_back(prompt);
    during();
    return answer;
  }
};

struct FakeControls : Controls {
  std::string captions[5] = {"&Solve", "&Auto Solve", "&Initialize", "&Speed", "&About"};
  bool enabled[5] = {false, false, true, true, true};
  bool timer_started = false, closed = false;
  std::int32_t interval = 500;

  void SetCaption(Button b, std::string_view c) override { captions[int(b)] = c; }
  std::string Caption(Button b) const override { return captions[int(b)]; }
  void SetEnabled(Button b, bool e) override { enabled[int(b)] = e; }
  bool IsEnabled(Button b) const override { return enabled[int(b)]; }
  void StartTimer() override { timer_started = true; }
  void SetTimerInterval(std::int32_t ms) override { interval = ms; }
  void CloseWindow() override { closed = true; }
  bool Closing() const override { return closed; }
};

// Each wait of the solver runs `step` (one Next unless a test says otherwise) until the move is
// performed; closing the controls abandons the solution.
struct Game : EventDispatch {
  GameState state;
  DrawingArea pic;
  Board board{state, pic};
  FakeControls controls;
  ScriptedDialogs dialogs;
  Solver solver{state, *this};
  Commands commands{state, board, solver, controls, dialogs};
  std::function<void()> step = [this] { commands.SolveClick(); };

  explicit Game(std::vector<std::string> answers = {}) {
    pic.resize(538, 273);
    board.InitGraphics();
    for (std::uint8_t t = 1; t <= 3; ++t) {
      board.DrawTower(t);
    }
    dialogs.answers.assign(answers.begin(), answers.end());
    if (!answers.empty()) {
      commands.InitializeClick();
    }
  }
  bool DispatchUntil(const std::function<bool()>& done) override {
    for (int guard = 0; guard < 4 && !done() && !controls.closed; ++guard) {
      step();
    }
    return done() && !controls.closed;
  }
};
