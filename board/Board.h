#pragma once

#include <cstdint>

#include "board/Canvas.h"
#include "board/GameState.h"

// An inclusive rectangle in twips: left, top, right, bottom.
struct TwipRect {
  Measure left{};
  Measure top{};
  Measure right{};
  Measure bottom{};
  friend bool operator==(const TwipRect&, const TwipRect&) = default;
};

// The towers and rings: computes the board measures, keeps the tower and ring records in the
// shared GameState and draws them on a Canvas. Pole numbers are 1 to 3 and ring numbers those of
// existing rings; a tower holds at most 20 rings. The program never asks for more (8 rings at
// most), and nothing here checks it.
class Board {
 public:
  Board(GameState& state, Canvas& canvas) : state_(state), canvas_(canvas) {}

  // Sets the six measures from the canvas's outer Width and Height.
  void InitGraphics();
  // Computes, empties and draws tower `which` (1..3): base in palette colour 6, pole in colour 0
  // and the letter A, B or C above it, all in the current draw mode.
  void DrawTower(std::uint8_t which);

  // Creates the next ring on pole `whichpole` and draws it there. The ring number is the next
  // free slot of `rings`; its width shrinks by a tenth of the base width per ring.
  void AddRing(std::uint8_t whichpole);
  // Draws ring `whichring` in xor mode on top of the tower named by its `pole` and pushes it onto
  // that tower's stack.
  void PutRing(std::int16_t whichring);
  // Erases ring `whichring` from the top of the tower named by its `pole` by drawing it again in
  // xor mode. The ring must already be off the stack (the tower's nrings counts only the rings
  // below it); no record changes.
  void LiftRing(std::int16_t whichring);

  // Where ring `whichring` is drawn on the tower named by its `pole` with that tower's current
  // nrings rings beneath it.
  TwipRect RingRect(std::int16_t whichring) const;

  // Empties the rings list (slot 0 only).
  void ResetRings();

 private:
  void DrawRing(std::int16_t whichring);

  GameState& state_;
  Canvas& canvas_;
};
