// Cost of moves on the real drawing area: one Next (lift, put and the repaint request), and a
// whole 8-ring solution driven without timers or an event loop.
#include <benchmark/benchmark.h>

#include <memory>

#include "Game.h"

namespace {

// One Next as the handler performs it: lift the grabbed ring, change its pole, put it. Ring 8
// shuttles between poles A and B.
void OneNext(benchmark::State& bench) {
  Game game(8);
  GameState& s = game.state;
  s.grabbed = 8;
  std::int16_t to = 2;
  for (auto _ : bench) {
    Ring& ring = s.rings[8];
    s.towers[ring.pole].nrings--;
    game.board.LiftRing(8);
    ring.pole = to;
    game.board.PutRing(8);
    to = to == 2 ? 1 : 2;
    benchmark::DoNotOptimize(game.pic.Image().constBits());
  }
}
BENCHMARK(OneNext);

void WholeSolution(benchmark::State& bench) {
  for (auto _ : bench) {
    bench.PauseTiming();
    auto game = std::make_unique<Game>(8);
    bench.ResumeTiming();
    game->commands.SolveClick();
    if (game->state.moves != 255) {
      bench.SkipWithError("solution did not take 255 moves");
    }
    bench.PauseTiming();
    game.reset();
    bench.ResumeTiming();
  }
}
BENCHMARK(WholeSolution)->Unit(benchmark::kMicrosecond);

}  // namespace
