// libFuzzer target over everything typed into the program's input boxes: the number reader and
// the ties-to-even conversions that the ring count and the delay go through.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "board/Measure.h"
#include "commands/NumberReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::optional<double> value = ReadNumber(text);
  if (!value) {
    return 0;  // too large: the caller answers it as an invalid number
  }
  if (!std::isfinite(*value)) {
    std::abort();
  }
  if (const auto count = RoundToInt16(*value)) {
    if (std::fabs(*count - *value) > 0.5) {
      std::abort();
    }
  }
  if (const auto interval = RoundToInt32(*value * 1000)) {
    if (std::fabs(*interval - *value * 1000) > 0.5) {
      std::abort();
    }
  }
  return 0;
}
