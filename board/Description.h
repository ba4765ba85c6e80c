#pragma once

#include <string>

#include "board/GameState.h"

// The board in words, for screen readers and the drawing area's tooltip: the rings on each pole
// bottom to top (a ring whose move is pending still counts on the pole it is drawn on), then,
// once a solution has started, the move count against 2^n - 1 and the pending move:
// "A: rings 1, 2, 3. B: empty. C: empty. Move 0 of 7; next: ring 3 from A to C."
std::string DescribeBoard(const GameState& state);
