// libFuzzer target over everything typed into the program's input boxes: the number reader and the
// ties-to-even conversions that the ring count and the delay go through. Run under the sanitizers,
// it finds undefined behaviour; it aborts when a value read is not finite or a conversion lands
// more than half a unit from what it converts.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "board/Measure.h"
#include "commands/NumberReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::optional<double> value = ReadNumber({reinterpret_cast<const char*>(data), size});
  if (!value) {
    return 0;  // too large: the caller answers it as an invalid number
  }
  const auto count = RoundToInt16(*value);
  const auto interval = RoundToInt32(*value * 1000);
  if (!std::isfinite(*value) || (count && std::fabs(*count - *value) > 0.5) ||
      (interval && std::fabs(*interval - *value * 1000) > 0.5)) {
    std::abort();
  }
  return 0;
}
