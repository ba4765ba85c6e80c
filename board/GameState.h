#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "board/Measure.h"
#include "board/Palette.h"

// One pole: its geometry and its stack of ring numbers.
struct Tower {
  static constexpr int kCapacity = 20;

  Measure poleleft{};  // left edge of the pole
  Measure xcenter{};   // rings are centred on it
  Measure poletop{};   // top edge of the pole
  std::int16_t nrings{};
  // Slots 1..20, slot 1 at the bottom; slots above nrings are stale. Slot 0 is unused.
  std::array<std::int16_t, kCapacity + 1> stack{};
};

struct Ring {
  std::int16_t pole{};    // pole 1..3 the ring stands on, or has just been lifted from
  Measure width{};        // twips
  Rgb color{};            // 24-bit RGB
  std::int16_t target{};  // pole of the pending move of this ring; 0 when none is pending
};

// Everything the program knows, owned by the main window for its whole life.
struct GameState {
  // Board measures, twips; set once at start-up.
  Measure basewidth{};
  Measure polespan{};
  Measure basethick{};
  Measure polewidth{};
  Measure poleheight{};
  Measure ringheight{};

  // towers[1..3] are poles A, B, C; towers[0] is unused.
  std::array<Tower, 4> towers{};
  // rings[k] is ring k, ring 1 the widest; rings[0] never holds a ring and stays all zero.
  std::vector<Ring> rings = std::vector<Ring>(1);

  std::int16_t grabbed{};   // ring of the pending (or most recent) move
  std::int16_t numrings{};  // ring count chosen by Initialize, 0 before
  std::int16_t moves{};     // moves performed in this solution
  bool solving = false;     // true from the start of a solution until the solver returns
  bool started = false;     // a solution has started: the Solve button reads Next from then on
  double speed{};           // delay between automatic moves, seconds, as last entered
};
