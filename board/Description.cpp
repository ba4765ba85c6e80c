#include "board/Description.h"

#include <algorithm>
#include <vector>

namespace {

char PoleLetter(int pole) {
  return static_cast<char>('A' + pole - 1);
}

bool MovePending(const GameState& s) {
  return s.IsRing(s.grabbed) && s.rings[s.grabbed].target != 0;
}

// 2^n - 1, the length of the solution; n is capped so the shift cannot overflow.
int TotalMoves(const GameState& s) {
  return (1 << std::clamp<int>(s.numrings, 0, 15)) - 1;
}

// Every one of the numrings rings stands on C and none is in flight.
bool Solved(const GameState& s) {
  if (s.numrings < 1 || MovePending(s) || !s.IsRing(s.numrings)) {
    return false;
  }
  return std::all_of(s.rings.begin() + 1, s.rings.begin() + 1 + s.numrings,
                     [](const Ring& r) { return r.pole == 3; });
}

std::string Counted(int count, const char* noun) {
  return std::to_string(count) + ' ' + noun + (count == 1 ? "" : "s");
}

}  // namespace

std::string DescribeBoard(const GameState& s) {
  std::string text;
  for (int pole = 1; pole <= 3; ++pole) {
    const Tower& tower = s.towers[pole];
    std::vector<int> rings(
        tower.stack.begin() + 1,
        tower.stack.begin() + 1 + std::clamp<int>(tower.nrings, 0, Tower::kCapacity));
    if (MovePending(s) && s.rings[s.grabbed].pole == pole) {
      rings.push_back(s.grabbed);
    }
    if (!text.empty()) {
      text += ' ';
    }
    text += PoleLetter(pole);
    if (rings.empty()) {
      text += ": empty.";
      continue;
    }
    text += rings.size() == 1 ? ": ring " : ": rings ";
    for (std::size_t i = 0; i < rings.size(); ++i) {
      text += (i ? ", " : "") + std::to_string(rings[i]);
    }
    text += '.';
  }

  const bool started = s.solving || s.moves > 0;
  if (started && s.numrings >= 1) {
    text += " Move " + std::to_string(s.moves) + " of " + std::to_string(TotalMoves(s));
    if (MovePending(s)) {
      const Ring& ring = s.rings[s.grabbed];
      text += "; next: ring " + std::to_string(s.grabbed) + " from " + PoleLetter(ring.pole) +
              " to " + PoleLetter(ring.target) + '.';
    } else {
      text += Solved(s) ? ". Puzzle solved." : ".";
    }
  }
  return text;
}

std::string MoveNarrator::Update(const GameState& s) {
  std::string text;
  if (s.solving && !solving_ && s.moves == 0 && s.numrings >= 1) {
    text = "Solving " + Counted(s.numrings, "ring") + " in " + Counted(TotalMoves(s), "move") +
           ": press Next for each move.";
  }
  solving_ = s.solving;
  if (s.moves != moves_ && s.moves > 0 && ring_ != 0) {
    text = "Move " + std::to_string(s.moves) + " of " + std::to_string(TotalMoves(s)) + ": ring " +
           std::to_string(ring_) + " from " + PoleLetter(from_) + " to " + PoleLetter(to_) + '.' +
           (Solved(s) ? " Puzzle solved." : "");
    ring_ = 0;
  }
  moves_ = s.moves;
  if (MovePending(s)) {
    ring_ = s.grabbed;
    from_ = s.rings[s.grabbed].pole;
    to_ = s.rings[s.grabbed].target;
  }
  return text;
}
