#pragma once

// The commands over the real drawing area, with the buttons and the timer as plain values and the
// solver's wait without an event loop, so that moves can be timed alone. Needs a QApplication.
#include <functional>
#include <string>

#include "Fakes.h"
#include "app/DrawingArea.h"
#include "board/Board.h"
#include "board/Description.h"
#include "commands/Commands.h"
#include "solver/Solver.h"

struct FakeControls : Controls {
  std::string captions[5] = {"&Solve", "&Auto Solve", "&Initialize", "&Speed", "&About"};
  bool enabled[5] = {false, false, true, true, true};
  bool timer_started = false, closed = false;
  std::int32_t interval = 500;

  void SetCaption(Button b, std::string_view c) override { captions[int(b)] = c; }
  void SetEnabled(Button b, bool e) override { enabled[int(b)] = e; }
  bool IsEnabled(Button b) const override { return enabled[int(b)]; }
  void StartTimer() override { timer_started = true; }
  void SetTimerInterval(std::int32_t ms) override { interval = ms; }
  void CloseWindow() override { closed = true; }
  bool Closing() const override { return closed; }
};

// Each wait of the solver runs `step` (one Next unless a benchmark says otherwise) until the move
// is made; closing the controls abandons the solution.
struct Game : EventDispatch, Listener {
  GameState state;
  DrawingArea pic;
  Board board{state, pic};
  FakeControls controls;
  ScriptedDialogs dialogs;
  Solver solver{state, *this};
  Commands commands{state, board, solver, controls, dialogs, *this, English()};
  std::function<void()> step = [this] { commands.SolveClick(); };

  explicit Game(int rings = 0) {
    pic.resize(538, 273);  // at its size in the window
    board.InitGraphics();
    for (std::uint8_t t = 1; t <= 3; ++t) {
      board.DrawTower(t);
    }
    if (rings > 0) {
      dialogs.answers = {std::to_string(rings)};
      commands.InitializeClick();
    }
  }
  bool DispatchUntil(const std::function<bool()>& done) override {
    for (int guard = 0; guard < 4 && !done() && !controls.closed; ++guard) {
      step();
    }
    return done() && !controls.closed;
  }
  void Happened(const News&) override {}
};
