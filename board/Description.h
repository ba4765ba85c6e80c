#pragma once

#include <string>

#include "board/GameState.h"
#include "board/Translator.h"

// The board in words, for screen readers and the drawing area's tooltip: the rings on each pole
// bottom to top (a ring whose move is pending still counts on the pole it is drawn on), then,
// once a solution has started, the move count against 2^n - 1 and the pending move, or, once
// every ring is on C, that the puzzle is solved. In English:
// "A: rings 1, 2, 3. B: empty. C: empty. Move 0 of 7; next: ring 3 from A to C."
// "A: empty. B: empty. C: rings 1, 2, 3. Move 7 of 7. Puzzle solved."
std::string DescribeBoard(const GameState& state, const Translator& tr);

// What a screen reader should say as the game goes on, for a listener who cannot see the board.
// Fed the state after every change of the board or of the solution's progress, it returns one
// short sentence when there is news and the empty text otherwise. In English:
// "3 rings on pole A, ring 1 the widest at the bottom, ring 3 the narrowest on top." once the
// rings are stacked; "Solving 3 rings in 7 moves: press Next for each move." when a solution
// starts; "Move 2 of 7: ring 2 from A to B." once a move has been performed, the last one ending
// " Puzzle solved."
class MoveNarrator {
 public:
  std::string Update(const GameState& state, const Translator& tr);

 private:
  // The pending move seen last, spoken once it has been performed.
  int ring_{};
  int from_{};
  int to_{};
  int moves_{};
  bool solving_ = false;
  bool stacked_ = false;
};
