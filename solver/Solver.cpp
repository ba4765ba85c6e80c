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
  calls_.push_back({count, source, dest});
  if (count == 1) {
    GrabRing(source);
    state_.rings[state_.grabbed].target = dest;
    abandoned_ =
        !dispatch_.DispatchUntil([this] { return state_.rings[state_.grabbed].target == 0; });
  } else {
    const auto fewer = static_cast<std::int16_t>(count - 1);
    Solve(fewer, source, spare, dest);
    Solve(1, source, dest, spare);
    Solve(fewer, spare, dest, source);
  }
  calls_.pop_back();
}

std::optional<Solver::Call> Solver::Part() const {
  for (auto call = calls_.rbegin(); call != calls_.rend(); ++call) {
    if (call->count > 1) {
      return *call;
    }
  }
  return std::nullopt;
}
