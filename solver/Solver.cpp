#include "solver/Solver.h"

void Solver::GrabRing(std::int16_t source) {
  Tower& tower = state_.towers[source];
  const std::int16_t k = tower.nrings;
  if (k == 0) {
    return;
  }
  state_.grabbed = tower.stack[k];
  tower.nrings = static_cast<std::int16_t>(k - 1);
}

void Solver::Solve(std::int16_t count, std::int16_t source, std::int16_t dest, std::int16_t spare) {
  if (abandoned_) {
    return;
  }
  if (count == 1) {
    GrabRing(source);
    state_.rings[state_.grabbed].target = dest;
    const bool performed =
        dispatch_.DispatchUntil([this] { return state_.rings[state_.grabbed].target == 0; });
    if (!performed) {
      abandoned_ = true;
    }
    return;
  }
  const auto fewer = static_cast<std::int16_t>(count - 1);
  Solve(fewer, source, spare, dest);
  Solve(1, source, dest, spare);
  Solve(fewer, spare, dest, source);
}
