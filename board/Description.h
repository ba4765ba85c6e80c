#pragma once

#include <cstdint>
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

// The solution's progress, the last sentence of DescribeBoard: "Move 0 of 7; next: ring 3 from A
// to C.", "Move 7 of 7. Puzzle solved."; empty before a solution starts.
std::string DescribeProgress(const GameState& state, const Translator& tr);

// The progress, and while a move is pending the part of the recursion it belongs to, moving
// `count` rings (2 or more; less adds nothing) from pole `from` to pole `to`: "Move 0 of 7; next:
// ring 3 from A to C. Part of moving 2 rings from A to B."
std::string DescribeStep(const GameState& state, int count, int from, int to, const Translator& tr);

// What the commands report as it happens: the rings stacked, a solution started, a move made.
struct News {
  enum class Kind { Stacked, Started, Moved };
  Kind kind;
  std::int16_t ring{};  // Moved: the ring and the poles it went from and to
  std::int16_t from{};
  std::int16_t to{};
};

// Told of the news by the commands, after the board and the state have changed.
class Listener {
 public:
  virtual ~Listener() = default;
  virtual void Happened(const News& news) = 0;
};

// What a screen reader should say of `news`, for a listener who cannot see the board; `state` is
// the state after it. In English: "3 rings on pole A, ring 1 the widest at the bottom, ring 3 the
// narrowest on top."; "Solving 3 rings in 7 moves: press Next for each move."; "Move 2 of 7: ring
// 2 from A to B.", the last move ending " Puzzle solved."
std::string Narrate(const News& news, const GameState& state, const Translator& tr);
