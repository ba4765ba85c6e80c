#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "board/GameState.h"
#include "solver/EventDispatch.h"

// The classic recursive solution. It does not perform moves: for each one it takes the top ring
// off the source tower, writes the destination into that ring's `target` and waits until the
// Next command has performed the move and cleared `target`.
class Solver {
 public:
  Solver(GameState& state, EventDispatch& dispatch) : state_(state), dispatch_(dispatch) {}

  // Moves the top `count` rings of tower `source` to `dest` with `spare` as the third tower,
  // one pending move at a time. Returns when every move has been performed, or as soon as the
  // wait reports that the program is ending (then no further move is made pending). `count` is at
  // least 1 and at most the rings on `source`; the poles are 1, 2 and 3 in some order.
  void Solve(std::int16_t count, std::int16_t source, std::int16_t dest, std::int16_t spare);

  // Takes the top ring off tower `source`: `grabbed` becomes that ring and the tower's nrings
  // drops by one (the stack slot is left as it was). An empty tower changes nothing: `grabbed`
  // keeps the ring of the move before.
  void GrabRing(std::int16_t source);

  // A call of Solve under way: it moves `count` rings from pole `source` to pole `dest`.
  struct Call {
    std::int16_t count;
    std::int16_t source;
    std::int16_t dest;
  };
  // The part of the solution the pending move belongs to: the innermost call under way that moves
  // more than one ring. Empty when no call of more than one ring is under way.
  std::optional<Call> Part() const;

 private:
  GameState& state_;
  EventDispatch& dispatch_;
  bool abandoned_ = false;
  std::vector<Call> calls_;
};
