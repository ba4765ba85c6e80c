#pragma once

#include <string_view>

#include "board/Palette.h"

enum class DrawMode { Copy, Xor };

// The drawing operations the board performs on its drawing area. All coordinates are twips,
// measured from the top-left corner of the area's interior, y downwards.
class Canvas {
 public:
  virtual ~Canvas() = default;

  // Outer size of the drawing area in twips, border included.
  virtual double Width() const = 0;
  virtual double Height() const = 0;

  // Fills the rectangle whose opposite corners are the pixels containing (x1, y1) and (x2, y2),
  // both included, combined with the image by the current draw mode. Callers pass x1 <= x2 and
  // y1 <= y2. In xor mode each covered pixel becomes colour XOR pixel on the 24-bit value, so
  // filling the same rectangle twice restores the image exactly. Parts outside the area are
  // clipped.
  virtual void FillRect(double x1, double y1, double x2, double y2, Rgb color) = 0;
  virtual void SetDrawMode(DrawMode mode) = 0;

  // Extent of `text` in the area's font, in twips.
  virtual double TextWidth(std::string_view text) const = 0;
  virtual double TextHeight(std::string_view text) const = 0;

  // Text position for Print, in twips (reals, not rounded).
  virtual void SetCurrentX(double x) = 0;
  virtual void SetCurrentY(double y) = 0;
  // Draws UTF-8 `text`, not empty, with its top-left corner at the text position, in the foreground
  // colour.
  virtual void Print(std::string_view text) = 0;
};
