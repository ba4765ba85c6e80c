#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "board/Canvas.h"
#include "commands/Controls.h"
#include "commands/Dialogs.h"
#include "solver/EventDispatch.h"

// A canvas that remembers every call, with a fixed text extent.
class RecordingCanvas : public Canvas {
 public:
  struct Fill {
    double x1, y1, x2, y2;
    Rgb color;
    DrawMode mode;
  };
  struct Text {
    double x, y;
    std::string text;
  };

  double width = 8070;
  double height = 4095;
  double text_width = 105;   // twips of "a"
  double text_height = 195;  // twips of a line
  std::vector<Fill> fills;
  std::vector<Text> texts;
  DrawMode mode = DrawMode::Copy;

  double Width() const override { return width; }
  double Height() const override { return height; }
  void FillRect(double x1, double y1, double x2, double y2, Rgb color) override {
    fills.push_back({x1, y1, x2, y2, color, mode});
  }
  void SetDrawMode(DrawMode m) override { mode = m; }
  double TextWidth(std::string_view) const override { return text_width; }
  double TextHeight(std::string_view) const override { return text_height; }
  void SetCurrentX(double x) override { x_ = x; }
  void SetCurrentY(double y) override { y_ = y; }
  void Print(std::string_view text) override { texts.push_back({x_, y_, std::string(text)}); }

 private:
  double x_ = 0, y_ = 0;
};

// Answers input boxes from a script and records every box shown. An exhausted script answers
// as Cancel does.
class ScriptedDialogs : public Dialogs {
 public:
  struct Shown {
    std::string text;  // the message, or the prompt of a question
    std::string title;
    MessageIcon icon = MessageIcon::None;
    bool question = false;
  };

  std::deque<std::string> answers;
  std::vector<Shown> shown;
  std::function<void()> on_message;  // runs while a message is "open"

  void ShowMessage(std::string_view text, MessageIcon icon) override {
    shown.push_back({std::string(text), {}, icon, false});
    if (on_message) {
      on_message();
    }
  }
  std::string AskText(std::string_view prompt, std::string_view title) override {
    shown.push_back({std::string(prompt), std::string(title), MessageIcon::None, true});
    if (answers.empty()) {
      return {};
    }
    std::string answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::vector<std::string> Messages() const {
    std::vector<std::string> result;
    for (const Shown& s : shown) {
      if (!s.question) {
        result.push_back(s.text);
      }
    }
    return result;
  }
};

// Buttons and timer as plain values; Press calls `on_press` for an enabled button.
class FakeControls : public Controls {
 public:
  struct State {
    std::string caption;
    bool enabled;
  };
  State buttons[5] = {{"&Solve", false},
                      {"&Auto Solve", false},
                      {"&Initialize", true},
                      {"&Speed", true},
                      {"&About", true}};
  bool timer_started = false;
  std::int32_t interval = 500;
  bool closed = false;
  std::function<void(Button)> on_press;

  void SetCaption(Button b, std::string_view c) override { At(b).caption = std::string(c); }
  std::string Caption(Button b) const override { return buttons[int(b)].caption; }
  void SetEnabled(Button b, bool e) override { At(b).enabled = e; }
  bool IsEnabled(Button b) const override { return buttons[int(b)].enabled; }
  void Press(Button b) override {
    if (IsEnabled(b) && on_press) {
      on_press(b);
    }
  }
  void StartTimer() override { timer_started = true; }
  void SetTimerInterval(std::int32_t ms) override { interval = ms; }
  void CloseWindow() override { closed = true; }

 private:
  State& At(Button b) { return buttons[int(b)]; }
};

// The solver's wait without an event loop: each wait runs `step` (typically one Next press)
// and reports whether the move was performed. `keep_going` false abandons the solution.
class DirectDispatch : public EventDispatch {
 public:
  std::function<void()> step;
  bool keep_going = true;

  bool DispatchUntil(const std::function<bool()>& done) override {
    if (!keep_going) {
      return false;
    }
    for (int guard = 0; guard < 4 && !done(); ++guard) {
      if (step) {
        step();
      }
    }
    return done();
  }
};
