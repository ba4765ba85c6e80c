// Automatic play as the user sees it: the real window, 8 rings, Speed set, Auto Solve pressed,
// timed by the wall clock from the press to the completion message. At a delay d the 255 moves
// should take 255 x d.
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QTimer>

#include "Fakes.h"
#include "app/MainWindow.h"

namespace {

void AutomaticPlay(benchmark::State& bench, const char* delay) {
  const double expected = 255 * std::stod(delay);
  double total = 0;
  for (auto _ : bench) {
    ScriptedDialogs dialogs;
    dialogs.answers = {"8", delay};
    MainWindow window(dialogs);
    window.ButtonOf(Button::Initialize)->click();
    window.ButtonOf(Button::Speed)->click();
    window.show();
    QElapsedTimer clock;
    QTimer::singleShot(0, &window, [&] {
      clock.start();
      window.ButtonOf(Button::Auto)->click();
    });
    window.ButtonOf(Button::Solve)->click();  // returns once the completion message is answered
    const double seconds = clock.nsecsElapsed() / 1e9;
    if (window.State().moves != 255) {
      bench.SkipWithError("solution did not take 255 moves");
    }
    bench.SetIterationTime(seconds);
    total += seconds;
  }
  const double mean = total / double(bench.iterations());
  bench.counters["seconds"] = mean;
  bench.counters["expected"] = expected;
  bench.counters["deviation_%"] = 100.0 * (mean - expected) / expected;
}

BENCHMARK_CAPTURE(AutomaticPlay, delay_0_05s, "0.05")
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AutomaticPlay, delay_0_001s, "0.001")
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

}  // namespace
