#pragma once

// The board's worked values at 8070 x 4095 twips, the solution's moves by a recursion of the tests'
// own, and the board in words: the one model of the board that the tests compare with.
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

using Towers = std::array<std::vector<int>, 3>;  // ring numbers by pole A, B, C, bottom to top

inline constexpr int kCentres[] = {1614, 4035, 6456};  // bases 1614 wide, poles 80, about them

// An inclusive twip rectangle, its colour, and whether it is drawn by xor.
struct TableFill {
  int left, top, right, bottom;
  unsigned rgb;
  bool xored;
};

// The base and the pole of each tower, then the rings where `towers` has them.
inline std::vector<TableFill> TableFills(const Towers& towers) {
  constexpr int widths[] = {1453, 1291, 1130, 968, 807, 646, 484, 323};
  constexpr unsigned colours[] = {0x008080, 0x800000, 0x800080, 0x008000};  // by ring, repeating
  constexpr int lefts[][3] = {{888, 3308, 5730},  {968, 3390, 5810},  {1049, 3470, 5891},
                              {1130, 3551, 5972}, {1210, 3632, 6052}, {1291, 3712, 6133},
                              {1372, 3793, 6214}, {1452, 3874, 6294}};
  std::vector<TableFill> fills;
  for (const int c : kCentres) {
    fills.push_back({c - 807, 3612, c + 806, 3772, 0x808000, false});
    fills.push_back({c - 40, 498, c + 39, 3612, 0x000000, false});
  }
  for (int t = 0; t < 3; ++t) {
    for (std::size_t below = 0; below < towers[t].size(); ++below) {
      const int k = towers[t][below] - 1, left = lefts[k][t], top = 3291 - 322 * int(below);
      fills.push_back({left, top, left + widths[k] - 1, top + 321, colours[k % 4], true});
    }
  }
  return fills;
}

// The poles in words: "A: rings 1, 2. B: empty. C: ring 3."
inline QString Poles(const Towers& towers) {
  QStringList poles;
  for (int t = 0; t < 3; ++t) {
    QStringList rings;
    for (const int ring : towers[t]) {
      rings << QString::number(ring);
    }
    poles << QString("%1: %2.").arg(
        QChar('A' + t),
        rings.isEmpty() ? "empty" : (rings.size() > 1 ? "rings " : "ring ") + rings.join(", "));
  }
  return poles.join(' ');
}

// One move of the solution, poles 1 to 3, and the part of the recursion it belongs to: moving
// `count` rings from `source` to `dest` (count 0 in a game of one ring).
struct TableMove {
  int ring, from, to, count, source, dest;
};

// The moves of `count` rings from `from` to `to`, made on `towers`.
inline void Solution(int count, int from, int to, Towers& towers, std::vector<TableMove>& moves,
                     TableMove part = {}) {
  if (count > 1) {
    part = {0, 0, 0, count, from, to};
  }
  if (count > 0) {
    Solution(count - 1, from, 6 - from - to, towers, moves, part);
    moves.push_back({towers[from - 1].back(), from, to, part.count, part.source, part.dest});
    towers[to - 1].push_back(towers[from - 1].back());
    towers[from - 1].pop_back();
    Solution(count - 1, 6 - from - to, to, towers, moves, part);
  }
}

// The progress with `made` moves made and `next` pending, as the board's description ends, and
// with the part of the recursion after it as the line beneath the board in full screen.
inline QString TableProgress(int made, int total, const TableMove& next, bool part) {
  return QString::asprintf("Move %d of %d; next: ring %d from %c to %c.", made, total, next.ring,
                           '@' + next.from, '@' + next.to) +
         (part && next.count ? QString::asprintf(" Part of moving %d rings from %c to %c.",
                                                 next.count, '@' + next.source, '@' + next.dest)
                             : "");
}
