#pragma once

#include <cstdint>

#include "board/Canvas.h"
#include "board/GameState.h"

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

  // Empties the rings list (slot 0 only).
  void ResetRings();

  // Draws the whole board anew from the records, for a canvas that has been cleared (drawn at a
  // new scale): the towers and letters in copy mode, then in xor mode every ring where it stands,
  // the ring of a pending move on the tower it is taken from, as the drawing as it happened
  // left them.
  void Redraw();

 private:
  void DrawTowerShape(std::uint8_t which);
  // Draws ring `whichring` in xor mode on the tower named by its `pole`, `below` rings beneath it.
  void DrawRing(std::int16_t whichring, std::int16_t below);

  GameState& state_;
  Canvas& canvas_;
};
