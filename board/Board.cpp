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
  const double height = canvas_.Height();

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

  const Measure left = ToMeasure(x - s.basewidth / 2.0);
  const Measure top = ToMeasure(height - ClampMeasure(3 * s.basethick));
  canvas_.FillRect(left, top, ClampMeasure(left + s.basewidth - 1),
                   ClampMeasure(top + s.basethick - 1), PaletteColor(kBaseColor));

  tower.poleleft = ToMeasure(x - s.polewidth / 2.0);
  tower.poletop = ClampMeasure(top - s.poleheight + 1);
  tower.nrings = 0;
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

TwipRect Board::RingRect(std::int16_t whichring) const {
  const GameState& s = state_;
  const Ring& ring = s.rings[whichring];
  const Tower& tower = s.towers[ring.pole];
  TwipRect r;
  r.left = ToMeasure(tower.xcenter - ring.width / 2.0);
  r.top = ClampMeasure(tower.poletop + s.poleheight - tower.nrings * s.ringheight - s.ringheight);
  r.right = ClampMeasure(r.left + ring.width - 1);
  r.bottom = ClampMeasure(r.top + s.ringheight - 1);
  return r;
}

void Board::DrawRing(std::int16_t whichring) {
  const TwipRect r = RingRect(whichring);
  canvas_.SetDrawMode(DrawMode::Xor);
  canvas_.FillRect(r.left, r.top, r.right, r.bottom, state_.rings[whichring].color);
}

void Board::PutRing(std::int16_t whichring) {
  Tower& tower = state_.towers[state_.rings[whichring].pole];
  DrawRing(whichring);
  tower.nrings++;
  tower.stack[tower.nrings] = whichring;
}

void Board::LiftRing(std::int16_t whichring) {
  DrawRing(whichring);
}
