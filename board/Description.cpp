#include "board/Description.h"

#include <algorithm>
#include <vector>

namespace {

// The poles keep the letters drawn on the board, A, B and C, in every language.
//: A pole without rings. %1 is the pole's letter (A, B or C, as on the board).
constexpr Text kEmpty = {"Board", QT_TRANSLATE_NOOP("Board", "%1: empty.")};
//: The one ring on a pole. %1: the pole's letter; %2: the ring's number (1 is the widest).
constexpr Text kOneRing = {"Board", QT_TRANSLATE_NOOP("Board", "%1: ring %2.")};
//: Several rings on a pole, bottom to top. %1: the pole's letter; %2: their numbers, as "1, 2, 3".
constexpr Text kRings = {"Board", QT_TRANSLATE_NOOP("Board", "%1: rings %2.")};
//: Joins ring numbers into a list: "1, 2", then "1, 2, 3".
constexpr Text kList = {"Board", QT_TRANSLATE_NOOP("Board", "%1, %2")};
//: After the poles, during a solution. %1: moves made; %2: moves in all.
constexpr Text kMove = {"Board", QT_TRANSLATE_NOOP("Board", "Move %1 of %2.")};
//: %1: moves made; %2: moves in all; %3: the ring to move next; %4, %5: poles A, B or C.
constexpr Text kMoveNext = {
    "Board", QT_TRANSLATE_NOOP("Board", "Move %1 of %2; next: ring %3 from %4 to %5.")};
//: After the poles, once every ring stands on C. %1 and %2: the same number of moves.
constexpr Text kMoveSolved = {"Board", QT_TRANSLATE_NOOP("Board", "Move %1 of %2. Puzzle solved.")};
//: Under the board in full screen, after the progress (%1, as "Move 5 of 31; next: ring 2 from A
//: to B."): the part of the recursive solution that the next move belongs to, %n rings (2 to 8)
//: from pole %2 to pole %3.
constexpr Text kPartOf = {
    "Board", QT_TRANSLATE_N_NOOP("Board", "%1 Part of moving %n rings from %2 to %3.")};

//: Spoken when one ring has been stacked on pole A.
constexpr Text kStackedOne = {"Board", QT_TRANSLATE_NOOP("Board", "1 ring on pole A.")};
//: Spoken when %n rings (2 to 8) have been stacked on pole A; ring 1 is the widest.
constexpr Text kStacked = {
    "Board", QT_TRANSLATE_N_NOOP("Board",
                                 "%n rings on pole A, ring 1 the widest at the bottom, "
                                 "ring %n the narrowest on top.")};
//: Spoken when a solution of one ring starts; Next is the button's caption.
constexpr Text kSolvingOne = {
    "Board", QT_TRANSLATE_NOOP("Board", "Solving 1 ring in 1 move: press Next for each move.")};
//: Spoken when a solution of %n rings (2 to 8) starts; %1: its moves (3 to 255).
constexpr Text kSolving = {
    "Board",
    QT_TRANSLATE_N_NOOP("Board", "Solving %n rings in %1 moves: press Next for each move.")};
//: Spoken after a move. %1: moves made; %2: moves in all; %3: the ring; %4, %5: poles A, B or C.
constexpr Text kMoved = {"Board",
                         QT_TRANSLATE_NOOP("Board", "Move %1 of %2: ring %3 from %4 to %5.")};
//: Spoken after the last move; as "Move %1 of %2: ring %3 from %4 to %5.", then the end.
constexpr Text kMovedLast = {
    "Board", QT_TRANSLATE_NOOP("Board", "Move %1 of %2: ring %3 from %4 to %5. Puzzle solved.")};

std::string PoleLetter(int pole) {
  return std::string(1, static_cast<char>('A' + pole - 1));
}

// Ring 0, all zero, stands for the move before the first.
bool MovePending(const GameState& s) {
  return s.rings[s.grabbed].target != 0;
}

// 2^n - 1, the length of the solution.
int TotalMoves(const GameState& s) {
  return (1 << s.numrings) - 1;
}

// There are rings, every one stands on C and none is in flight.
bool Solved(const GameState& s) {
  return s.numrings > 0 && !MovePending(s) &&
         std::all_of(s.rings.begin() + 1, s.rings.end(), [](const Ring& r) { return r.pole == 3; });
}

}  // namespace

std::string DescribeBoard(const GameState& s, const Translator& tr) {
  std::string text;
  for (int pole = 1; pole <= 3; ++pole) {
    const Tower& tower = s.towers[pole];
    std::vector<int> rings(tower.stack.begin() + 1, tower.stack.begin() + 1 + tower.nrings);
    if (MovePending(s) && s.rings[s.grabbed].pole == pole) {
      rings.push_back(s.grabbed);
    }
    text += text.empty() ? "" : " ";
    if (rings.empty()) {
      text += Fill(tr.Translate(kEmpty), {PoleLetter(pole)});
      continue;
    }
    std::string list = tr.Number(rings[0]);
    for (std::size_t i = 1; i < rings.size(); ++i) {
      list = Fill(tr.Translate(kList), {list, tr.Number(rings[i])});
    }
    text += Fill(tr.Translate(rings.size() == 1 ? kOneRing : kRings), {PoleLetter(pole), list});
  }
  const std::string progress = DescribeProgress(s, tr);
  return progress.empty() ? text : text + ' ' + progress;
}

std::string DescribeProgress(const GameState& s, const Translator& tr) {
  if (!s.started) {
    return {};
  }
  const std::string moves = tr.Number(s.moves), total = tr.Number(TotalMoves(s));
  if (MovePending(s)) {
    const Ring& ring = s.rings[s.grabbed];
    return Fill(tr.Translate(kMoveNext), {moves, total, tr.Number(s.grabbed), PoleLetter(ring.pole),
                                          PoleLetter(ring.target)});
  }
  return Fill(tr.Translate(Solved(s) ? kMoveSolved : kMove), {moves, total});
}

std::string DescribeStep(const GameState& s, int count, int from, int to, const Translator& tr) {
  std::string progress = DescribeProgress(s, tr);
  if (!MovePending(s) || count < 2) {
    return progress;
  }
  return Fill(tr.Translate(kPartOf, count), {progress, PoleLetter(from), PoleLetter(to)});
}

std::string Narrate(const News& news, const GameState& s, const Translator& tr) {
  switch (news.kind) {
    case News::Kind::Stacked:
      return s.numrings == 1 ? tr.Translate(kStackedOne) : tr.Translate(kStacked, s.numrings);
    case News::Kind::Started:
      return s.numrings == 1 ? tr.Translate(kSolvingOne)
                             : Fill(tr.Translate(kSolving, s.numrings), {tr.Number(TotalMoves(s))});
    case News::Kind::Moved:
      break;
  }
  return Fill(tr.Translate(Solved(s) ? kMovedLast : kMoved),
              {tr.Number(s.moves), tr.Number(TotalMoves(s)), tr.Number(news.ring),
               PoleLetter(news.from), PoleLetter(news.to)});
}
