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
    const int total = (1 << std::min<int>(s.numrings, 15)) - 1;
    text += " Move " + std::to_string(s.moves) + " of " + std::to_string(total);
    if (MovePending(s)) {
      const Ring& ring = s.rings[s.grabbed];
      text += "; next: ring " + std::to_string(s.grabbed) + " from " + PoleLetter(ring.pole) +
              " to " + PoleLetter(ring.target) + '.';
    } else {
      text += '.';
    }
  }
  return text;
}
