// libFuzzer target over everything typed into the program's input boxes: the number reader and
// the ties-to-even conversions that the ring count and the delay go through. Aborts when a value
// read is not finite, a conversion lands more than half a unit from what it converts, or the text
// with its ASCII digits written full width (as input methods type them) reads otherwise.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "board/Measure.h"
#include "commands/NumberReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::string wide;
  for (const char c : text) {
    wide += c >= '0' && c <= '9' ? std::string{'\xEF', '\xBC', char(0x90 + c - '0')}
                                 : std::string(1, c);
  }
  const std::optional<double> value = ReadNumber(text);
  if (ReadNumber(wide) != value) {
    std::abort();
  }
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
