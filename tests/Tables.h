#pragma once

// The board's worked values at 8070 x 4095 twips, and the solution's moves by a recursion of the
// tests' own: the one model of the board that every test compares with.
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

using Towers = std::array<std::vector<int>, 3>;  // ring numbers by pole A, B, C, bottom to top

// An inclusive twip rectangle, its colour, and whether it is drawn by xor.
struct TableFill {
  int left, top, right, bottom;
  unsigned rgb;
  bool xored;
  QString Text() const {
    return QString("%1 %2,%3 %4,%5 %6")
        .arg(xored ? "xor" : "copy")
        .arg(left)
        .arg(top)
        .arg(right)
        .arg(bottom)
        .arg(rgb, 6, 16, QChar('0'));
  }
};

inline constexpr int kCentres[] = {1614, 4035, 6456};  // bases 1614 wide, poles 80, about them

// Ring `ring` (1 to 8) on pole `pole` (1 to 3) with `below` rings beneath it.
inline TableFill RingFill(int ring, int pole, int below) {
  constexpr int widths[] = {1453, 1291, 1130, 968, 807, 646, 484, 323};
  constexpr unsigned colours[] = {0x008080, 0x800000, 0x800080, 0x008000};  // by ring, repeating
  constexpr int lefts[][3] = {{888, 3308, 5730},  {968, 3390, 5810},  {1049, 3470, 5891},
                              {1130, 3551, 5972}, {1210, 3632, 6052}, {1291, 3712, 6133},
                              {1372, 3793, 6214}, {1452, 3874, 6294}};
  const int left = lefts[ring - 1][pole - 1], top = 3291 - 322 * below;
  return {left, top, left + widths[ring - 1] - 1, top + 321, colours[(ring - 1) % 4], true};
}

// The bases and poles, tower by tower, then the rings where `towers` has them.
inline std::vector<TableFill> TableFills(const Towers& towers) {
  std::vector<TableFill> fills;
  for (const int c : kCentres) {
    fills.push_back({c - 807, 3612, c + 806, 3772, 0x808000, false});
    fills.push_back({c - 40, 498, c + 39, 3612, 0x000000, false});
  }
  for (int t = 0; t < 3; ++t) {
    for (std::size_t slot = 0; slot < towers[t].size(); ++slot) {
      fills.push_back(RingFill(towers[t][slot], t + 1, int(slot)));
    }
  }
  return fills;
}

// As a recording canvas shows it, with letters 100 twips wide and 200 high: each one half the
// width of "a" left of its tower's centre, one and a half heights above the pole.
inline QStringList TableBoard(const Towers& towers) {
  const std::vector<TableFill> fills = TableFills(towers);
  QStringList drawn, xored;
  for (int t = 0; t < 3; ++t) {
    drawn << fills[2 * t].Text() << fills[2 * t + 1].Text()
          << QString("%1 at %2,198").arg(QChar('A' + t)).arg(kCentres[t] - 50);
  }
  for (auto fill = fills.begin() + 6; fill != fills.end(); ++fill) {
    xored << fill->Text();
  }
  xored.sort();
  return drawn + xored;
}

// One move of the solution: the ring and its poles (1 to 3), and the part of the recursion it
// belongs to: moving `count` rings from `source` to `dest` (count 0 for a single ring).
struct TableMove {
  int ring, from, to, count, source, dest;
};

// The moves of `count` rings from `from` to `to`, made on `towers`.
inline void Solution(int count, int from, int to, Towers& towers, std::vector<TableMove>& moves,
                     TableMove part = {}) {
  if (count == 0) {
    return;
  }
  const int spare = 6 - from - to;
  if (count > 1) {
    part = {0, 0, 0, count, from, to};
  }
  Solution(count - 1, from, spare, towers, moves, part);
  const int ring = towers[from - 1].back();
  towers[from - 1].pop_back();
  towers[to - 1].push_back(ring);
  moves.push_back({ring, from, to, part.count, part.source, part.dest});
  Solution(count - 1, spare, to, towers, moves, part);
}

inline QString Pole(int pole) {
  return QChar('@' + pole);
}

// The solution's progress with `made` moves made and `next` pending, as the board's description
// ends and, with the part of the recursion after it, as the line beneath the board in full screen.
inline QString TableProgress(int made, int total, const TableMove& next, bool part) {
  QString text = QString("Move %1 of %2; next: ring %3 from %4 to %5.")
                     .arg(made)
                     .arg(total)
                     .arg(next.ring)
                     .arg(Pole(next.from), Pole(next.to));
  if (part && next.count > 0) {
    text += QString(" Part of moving %1 rings from %2 to %3.")
                .arg(next.count)
                .arg(Pole(next.source), Pole(next.dest));
  }
  return text;
}
