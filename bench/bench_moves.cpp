// Cost of moves on the real drawing area: one Next (lift, put and the repaint request), and a
// whole 8-ring solution driven without timers or an event loop.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "Fakes.h"
#include "app/DrawingArea.h"
#include "board/Board.h"
#include "commands/Commands.h"
#include "solver/Solver.h"

namespace {

// The commands on a real drawing area; each wait of the solver presses Next at once.
struct Program {
  GameState state;
  DrawingArea pic;
  Board board{state, pic};
  DirectDispatch dispatch;
  Solver solver{state, dispatch};
  FakeControls controls;
  ScriptedDialogs dialogs;
  Commands commands{state, board, solver, controls, dialogs};

  Program() {
    pic.resize(538, 273);
    board.InitGraphics();
    for (std::uint8_t t = 1; t <= 3; ++t) {
      board.DrawTower(t);
    }
    controls.on_press = [this](Button) { commands.SolveClick(); };
    dispatch.step = [this] { controls.Press(Button::Solve); };
    dialogs.answers = {"8"};
    commands.InitializeClick();
  }
};

// One Next as the handler performs it: lift the grabbed ring, change its pole, put it. Ring 8
// shuttles between poles A and B.
void OneNext(benchmark::State& bench) {
  Program program;
  GameState& s = program.state;
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
    program->controls.Press(Button::Solve);
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
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
