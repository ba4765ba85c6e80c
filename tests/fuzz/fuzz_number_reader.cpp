// libFuzzer target over everything typed into the program's input boxes: the number reader and the
// ties-to-even conversions that the ring count and the delay go through. Run under the sanitizers,
// it finds undefined behaviour; it aborts when a value read is not finite.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "board/Measure.h"
#include "commands/NumberReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::optional<double> value = ReadNumber({reinterpret_cast<const char*>(data), size});
  if (value && !std::isfinite(*value)) {  // a number too large is read as none
    std::abort();
  }
  if (value) {  // the conversions the ring count and the delay go through
    static_cast<void>(RoundToInt16(*value));
    static_cast<void>(RoundToInt32(*value * 1000));
  }
  return 0;
}
