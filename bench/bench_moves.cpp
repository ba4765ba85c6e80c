// Cost of moves on the real drawing area: one Next (lift, put and the repaint request), and a
// whole 8-ring solution driven without timers or an event loop.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <functional>

#include "app/DrawingArea.h"
#include "board/Board.h"
#include "commands/Commands.h"
#include "solver/Solver.h"

namespace {

class NoDialogs : public Dialogs {
 public:
  void ShowMessage(std::string_view, MessageIcon) override {}
  std::string AskText(std::string_view, std::string_view) override { return "8"; }
};

class PlainControls : public Controls {
 public:
  std::string caption = "&Solve";
  bool enabled[5] = {false, false, true, true, true};
  void SetCaption(Button, std::string_view c) override { caption = std::string(c); }
  std::string Caption(Button) const override { return caption; }
  void SetEnabled(Button b, bool e) override { enabled[int(b)] = e; }
  bool IsEnabled(Button b) const override { return enabled[int(b)]; }
  void Press(Button) override {}
  void StartTimer() override {}
  void SetTimerInterval(std::int32_t) override {}
  void CloseWindow() override {}
};

// Each wait performs the pending move at once, as a Next press would.
class ImmediateNext : public EventDispatch {
 public:
  std::function<void()> next;
  bool DispatchUntil(const std::function<bool()>& done) override {
    next();
    return done();
  }
};

struct Program {
  GameState state;
  DrawingArea pic;
  Board board{state, pic};
  ImmediateNext dispatch;
  Solver solver{state, dispatch};
  PlainControls controls;
  NoDialogs dialogs;
  Commands commands{state, board, solver, controls, dialogs};

  Program() {
    pic.resize(538, 273);
    board.InitGraphics();
    for (std::uint8_t t = 1; t <= 3; ++t) {
      board.DrawTower(t);
    }
    dispatch.next = [this] { commands.SolveClick(); };
    commands.InitializeClick();
  }
};

void OneNext(benchmark::State& bench) {
  Program program;
  GameState& s = program.state;
  // Shuttle ring 8 between poles A and B: grab, then the Next handler's lift and put.
  s.grabbed = 8;
  std::int16_t to = 2;
  for (auto _ : bench) {
    Ring& ring = s.rings[8];
    s.towers[ring.pole].nrings--;
    program.board.LiftRing(8);
    ring.pole = to;
    program.board.PutRing(8);
    to = to == 2 ? 1 : 2;
    benchmark::DoNotOptimize(program.pic.Image().constBits());
  }
}
BENCHMARK(OneNext);

void WholeSolution(benchmark::State& bench) {
  for (auto _ : bench) {
    bench.PauseTiming();
    auto program = std::make_unique<Program>();
    bench.ResumeTiming();
    program->commands.SolveClick();
    benchmark::DoNotOptimize(program->state.moves);
    if (program->state.moves != 255) {
      bench.SkipWithError("solution did not take 255 moves");
    }
    bench.PauseTiming();
    program.reset();
    bench.ResumeTiming();
  }
}
BENCHMARK(WholeSolution)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
