#include "board/Measure.h"

#include <algorithm>
#include <cmath>
#include <limits>

// NaN and infinities pass through unchanged: their diff is NaN, which fails every comparison,
// and floor + 1 is the value itself.
double RoundHalfEven(double value) {
  const double floor = std::floor(value);
  const double diff = value - floor;  // exact for doubles: both lie within one binade step
  if (diff < 0.5) {
    return floor;
  }
  if (diff > 0.5) {
    return floor + 1.0;
  }
  return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

namespace {

template <typename Int>
std::optional<Int> RoundTo(double value) {
  const double rounded = RoundHalfEven(value);
  if (!std::isfinite(rounded) || rounded < double(std::numeric_limits<Int>::min()) ||
      rounded > double(std::numeric_limits<Int>::max())) {
    return std::nullopt;
  }
  return static_cast<Int>(rounded);
}

}  // namespace

std::optional<std::int16_t> RoundToInt16(double value) {
  return RoundTo<std::int16_t>(value);
}

std::optional<std::int32_t> RoundToInt32(double value) {
  return RoundTo<std::int32_t>(value);
}

Measure ToMeasure(double value) {
  return std::isnan(value)
             ? 0
             : static_cast<Measure>(std::clamp(RoundHalfEven(value), -32768.0, 32767.0));
}

Measure ClampMeasure(std::int32_t value) {
  return static_cast<Measure>(std::clamp(value, -32768, 32767));
}
