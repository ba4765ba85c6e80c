#pragma once

// Stand-ins for the platform, for the tests, the benchmarks and the screenshot: boxes that answer
// from a script, plain controls, a canvas that keeps what the board shows in twips, and a game over
// them whose solver waits without an event loop.
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

#include "board/Board.h"
#include "commands/Commands.h"

// Answers questions from a script (Cancel, "", once it has run out) and records the text of every
// box. `during` runs while each box is open.
struct ScriptedDialogs : Dialogs {
  std::vector<std::string> answers, shown;
  std::size_t answered = 0;
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

// What the board shows, in twips: "copy l,t r,b RRGGBB" and "A at x,y" in the order drawn, then
// "xor ..." for every xor fill that stands (the same one drawn twice is gone), sorted. Text is 100
// twips wide a character and 200 high.
struct RecordingCanvas : Canvas {
  QStringList drawn, xored;
  DrawMode mode = DrawMode::Copy;
  double x = 0, y = 0;

  double Width() const override { return 8070; }
  double Height() const override { return 4095; }
  void FillRect(double x1, double y1, double x2, double y2, Rgb color) override {
    const QString fill = QString::asprintf("%g,%g %g,%g %06x", x1, y1, x2, y2, unsigned(color));
    if (mode == DrawMode::Copy) {
      drawn << "copy " + fill;
    } else if (!xored.removeOne("xor " + fill)) {
      xored << "xor " + fill;
    }
  }
  void SetDrawMode(DrawMode m) override { mode = m; }
  double TextWidth(std::string_view text) const override { return 100.0 * text.size(); }
  double TextHeight(std::string_view) const override { return 200; }
  void SetCurrentX(double to) override { x = to; }
  void SetCurrentY(double to) override { y = to; }
  void Print(std::string_view text) override {
    drawn << QString::asprintf("%s at %g,%g", std::string(text).c_str(), x, y);
  }
  QStringList Shown() const {
    QStringList sorted = xored;
    sorted.sort();
    return drawn + sorted;
  }
};

// A game on the canvas `Area`, with plain controls and scripted boxes. Each wait of the solver runs
// `step` (one Next unless a test says otherwise) until the move is made; closing the controls
// abandons the solution. `heard` keeps what a screen reader is told, in English.
template <class Area>
struct Game : EventDispatch, Listener {
  GameState state;
  Area pic;
  Board board{state, pic};
  FakeControls controls;
  ScriptedDialogs dialogs;
  Solver solver{state, *this};
  Commands commands{state, board, solver, controls, dialogs, *this, English()};
  std::function<void()> step = [this] { commands.SolveClick(); };
  QStringList heard;

  explicit Game(int rings = 0) {
    if constexpr (requires { pic.resize(538, 273); }) {
      pic.resize(538, 273);  // the real drawing area, at its size in the window
    }
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
  void Happened(const News& news) override {
    heard << QString::fromStdString(Narrate(news, state, English()));
  }
};
