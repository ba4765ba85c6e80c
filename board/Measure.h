#pragma once

#include <cstdint>
#include <optional>

// Lengths on the board are measures: signed 16-bit twips (1/1440 inch), relative to the top-left
// corner of the drawing area, y downwards.
using Measure = std::int16_t;

// Rounds to the nearest integer, an exact half going to the even neighbour (1614.5 -> 1614,
// 6455.5 -> 6456, 80.5 -> 80). Independent of the floating-point rounding mode. NaN and
// infinities are returned unchanged.
double RoundHalfEven(double value);

// Ties-to-even rounding followed by a range check. Empty when the value is NaN, infinite or
// rounds to a number outside the target type (32767.5 rounds to 32768 and is refused;
// -32768.5 rounds to -32768 and is accepted).
std::optional<std::int16_t> RoundToInt16(double value);
std::optional<std::int32_t> RoundToInt32(double value);

// Board geometry conversions. The drawing area never gets large enough for these to leave the
// 16-bit range; if it did, results saturate at -32768 or 32767 (NaN gives 0) instead of wrapping,
// so an oversized board draws clipped rather than scrambled.
Measure ToMeasure(double value);
Measure ClampMeasure(std::int32_t value);
