#include "board/Board.h"

#include <string>

namespace {

constexpr int kPoleColor = 0;
constexpr int kBaseColor = 6;

}  // namespace

void Board::InitGraphics() {
  GameState& s = state_;
  s.basewidth = ToMeasure(canvas_.Width() * 0.2);
  s.polespan = ToMeasure(canvas_.Height() * 0.8);
  s.basethick = ToMeasure(s.basewidth * 0.1);
  s.polewidth = ToMeasure(s.basethick * 0.5);
  s.poleheight = ClampMeasure(s.polespan - s.basethick);
  s.ringheight = ClampMeasure(s.basethick * 2);
}

void Board::DrawTower(std::uint8_t which) {
  GameState& s = state_;
  const double width = canvas_.Width();

  // The order of roundings matters: ties go to even at each step (tower 1: 2017.5 -> 2018,
  // then 1614.5 -> 1614).
  Measure x = ToMeasure(width / 4 * which);
  if (which == 1) {
    x = ToMeasure(x - s.basewidth / 4.0);
  } else if (which == 3) {
    x = ToMeasure(s.basewidth / 4.0 + x);
  }
  Tower& tower = s.towers[which];
  tower.xcenter = x;
  tower.poleleft = ToMeasure(x - s.polewidth / 2.0);
  const Measure top = ToMeasure(canvas_.Height() - ClampMeasure(3 * s.basethick));
  tower.poletop = ClampMeasure(top - s.poleheight + 1);
  tower.nrings = 0;
  DrawTowerShape(which);
}

void Board::DrawTowerShape(std::uint8_t which) {
  const GameState& s = state_;
  const Tower& tower = s.towers[which];
  const Measure x = tower.xcenter;
  const Measure left = ToMeasure(x - s.basewidth / 2.0);
  const Measure top = ClampMeasure(tower.poletop + s.poleheight - 1);  // the pole's bottom row
  canvas_.FillRect(left, top, ClampMeasure(left + s.basewidth - 1),
                   ClampMeasure(top + s.basethick - 1), PaletteColor(kBaseColor));
  canvas_.FillRect(tower.poleleft, tower.poletop, ClampMeasure(tower.poleleft + s.polewidth - 1),
                   ClampMeasure(tower.poletop + s.poleheight - 1), PaletteColor(kPoleColor));

  // Measured on a lower-case "a" while the capital is printed: the letter's left edge sits half
  // the width of "a" left of the centre.
  canvas_.SetCurrentX(x - canvas_.TextWidth("a") / 2);
  canvas_.SetCurrentY(tower.poletop - canvas_.TextHeight("a") * 1.5);
  canvas_.Print(std::string(1, static_cast<char>(which + 64)));
}

void Board::ResetRings() {
  state_.rings.assign(1, Ring{});
}

void Board::AddRing(std::uint8_t whichpole) {
  GameState& s = state_;
  const auto k = static_cast<std::int16_t>(s.rings.size());
  Ring& ring = s.rings.emplace_back();
  ring.color = PaletteColor((k % 4) + 2);
  ring.pole = whichpole;
  ring.width = ToMeasure(s.basewidth - s.basewidth * 0.1 * k);
  PutRing(k);
}

void Board::DrawRing(std::int16_t whichring, std::int16_t below) {
  const GameState& s = state_;
  const Ring& ring = s.rings[whichring];
  const Tower& tower = s.towers[ring.pole];
  const Measure left = ToMeasure(tower.xcenter - ring.width / 2.0);
  const Measure top =
      ClampMeasure(tower.poletop + s.poleheight - below * s.ringheight - s.ringheight);
  canvas_.SetDrawMode(DrawMode::Xor);
  canvas_.FillRect(left, top, ClampMeasure(left + ring.width - 1),
                   ClampMeasure(top + s.ringheight - 1), ring.color);
}

void Board::PutRing(std::int16_t whichring) {
  Tower& tower = state_.towers[state_.rings[whichring].pole];
  DrawRing(whichring, tower.nrings);
  tower.nrings++;
  tower.stack[tower.nrings] = whichring;
}

void Board::LiftRing(std::int16_t whichring) {
  DrawRing(whichring, state_.towers[state_.rings[whichring].pole].nrings);
}

void Board::Redraw() {
  const GameState& s = state_;
  canvas_.SetDrawMode(DrawMode::Copy);
  for (std::uint8_t which = 1; which <= 3; ++which) {
    DrawTowerShape(which);
  }
  for (std::uint8_t which = 1; which <= 3; ++which) {
    const Tower& tower = s.towers[which];
    for (std::int16_t slot = 1; slot <= tower.nrings; ++slot) {
      DrawRing(tower.stack[slot], static_cast<std::int16_t>(slot - 1));
    }
  }
  if (s.rings[s.grabbed].target != 0) {
    LiftRing(s.grabbed);  // drawn where it was before it was taken off its tower's stack
  }
}
