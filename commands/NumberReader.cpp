#include "commands/NumberReader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace {

// The zero of each run of ten decimal digits in Unicode 15.1 (general category Nd), in order:
// ASCII, Arabic-Indic, Extended Arabic-Indic, N'Ko, Devanagari, ..., full width, ..., segmented.
constexpr char32_t kZeros[] = {
    0x30,    0x660,   0x6F0,   0x7C0,   0x966,   0x9E6,   0xA66,   0xAE6,   0xB66,   0xBE6,
    0xC66,   0xCE6,   0xD66,   0xDE6,   0xE50,   0xED0,   0xF20,   0x1040,  0x1090,  0x17E0,
    0x1810,  0x1946,  0x19D0,  0x1A80,  0x1A90,  0x1B50,  0x1BB0,  0x1C40,  0x1C50,  0xA620,
    0xA8D0,  0xA900,  0xA9D0,  0xA9F0,  0xAA50,  0xABF0,  0xFF10,  0x104A0, 0x10D30, 0x11066,
    0x110F0, 0x11136, 0x111D0, 0x112F0, 0x11450, 0x114D0, 0x11650, 0x116C0, 0x11730, 0x118E0,
    0x11950, 0x11C50, 0x11D50, 0x11DA0, 0x11F50, 0x16A60, 0x16AC0, 0x16B50, 0x1D7CE, 0x1D7D8,
    0x1D7E2, 0x1D7EC, 0x1D7F6, 0x1E140, 0x1E2F0, 0x1E4F0, 0x1E950, 0x1FBF0};

constexpr char32_t kInvalid = 0xFFFD;

// The value of `c` as a decimal digit of any script, if it is one.
std::optional<int> DecimalValue(char32_t c) {
  const char32_t* run = std::upper_bound(std::begin(kZeros), std::end(kZeros), c);
  if (run == std::begin(kZeros) || c - run[-1] > 9) {
    return std::nullopt;
  }
  return static_cast<int>(c - run[-1]);
}

bool IsDigit(char32_t c) {
  return DecimalValue(c).has_value();
}

std::optional<int> DigitValue(char32_t c, int radix) {
  std::optional<int> value = DecimalValue(c);
  if (c >= 'a' && c <= 'f') {
    value = static_cast<int>(c - 'a') + 10;
  } else if (c >= 'A' && c <= 'F') {
    value = static_cast<int>(c - 'A') + 10;
  }
  return value < radix ? value : std::nullopt;  // an empty value is less than any
}

// The code points of UTF-8 `text`, without blanks, tabs and line feeds. A byte that cannot begin
// a sequence, and a sequence cut short, become U+FFFD.
std::u32string Decode(std::string_view text) {
  std::u32string result;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    char32_t c = lead;
    int more = 0;  // continuation bytes to come
    if (lead >= 0xF8 || (lead >= 0x80 && lead < 0xC0)) {
      c = kInvalid;
    } else if (lead >= 0xF0) {
      c = lead & 0x07;
      more = 3;
    } else if (lead >= 0xE0) {
      c = lead & 0x0F;
      more = 2;
    } else if (lead >= 0xC0) {
      c = lead & 0x1F;
      more = 1;
    }
    for (; more > 0 && i < text.size() && (text[i] & 0xC0) == 0x80; --more) {
      c = (c << 6) | (text[i++] & 0x3F);
    }
    if (more > 0) {
      c = kInvalid;
    }
    if (c != ' ' && c != '\t' && c != '\n') {
      result += c;
    }
  }
  return result;
}

std::optional<double> ReadRadix(std::u32string_view digits, int radix) {
  double value = 0.0;
  for (const char32_t c : digits) {
    const std::optional<int> digit = DigitValue(c, radix);
    if (!digit) {
      break;
    }
    value = value * radix + *digit;
  }
  if (!std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

// The decimal exponent of a mantissa's leading digit, give or take one: the count of digits from
// the first that is not 0 to the point ("1234.5": 4, "0.005": -3). A value out of the range of a
// double is out by hundreds, so that is exact enough to tell too large from too small.
long long LeadingExponent(std::string_view mantissa) {
  const auto point = std::min(mantissa.find('.'), mantissa.size());
  const auto first = std::min(mantissa.find_first_not_of("0."), mantissa.size());
  return static_cast<long long>(point) - static_cast<long long>(first);
}

// Parses all of `text`; `value` is left as it is when the text is out of its range.
template <typename Number, typename... Format>
std::errc Parse(std::string_view text, Number& value, Format... format) {
  return std::from_chars(text.begin(), text.end(), value, format...).ec;
}

}  // namespace

// The decoded text ends in U+0000 (s[s.size()]), which continues no number: reading stops there.
std::optional<double> ReadNumber(std::string_view text) {
  const std::u32string s = Decode(text);
  if (s[0] == '&') {
    if (s[1] == 'H' || s[1] == 'h') {
      return ReadRadix(std::u32string_view(s).substr(2), 16);
    }
    if (s[1] == 'O' || s[1] == 'o') {
      return ReadRadix(std::u32string_view(s).substr(2), 8);
    }
    return 0.0;
  }

  std::size_t i = 0;
  const bool negative = s[i] == '-';
  i += negative || s[i] == '+';
  std::string mantissa;  // ASCII digits, with "." where it stands
  for (; IsDigit(s[i]); ++i) {
    mantissa += static_cast<char>('0' + *DecimalValue(s[i]));
  }
  if (s[i] == '.') {
    mantissa += '.';
    for (++i; IsDigit(s[i]); ++i) {
      mantissa += static_cast<char>('0' + *DecimalValue(s[i]));
    }
  }

  std::string exponent;  // the sign and digits after E, empty without digits
  if (s[i] == 'E' || s[i] == 'e') {
    std::size_t j = i + 1;
    const bool minus = s[j] == '-';
    j += minus || s[j] == '+';
    for (; IsDigit(s[j]); ++j) {
      exponent += static_cast<char>('0' + *DecimalValue(s[j]));
    }
    if (minus && !exponent.empty()) {
      exponent.insert(0, 1, '-');
    }
  }

  // Without digits ("", ".", "-E5") nothing parses and the value stays 0.
  double value = 0.0;
  const std::string number = exponent.empty() ? mantissa : mantissa + 'e' + exponent;
  if (Parse(number, value, std::chars_format::general) == std::errc::result_out_of_range) {
    // Too large, or too small (read as 0): the decimal exponent of the value tells. An exponent
    // beyond the range of an int counts by its sign alone, so the sum cannot overflow.
    constexpr long long kLimit = std::numeric_limits<int>::max();
    long long power{};
    if (Parse(exponent, power) == std::errc::result_out_of_range) {
      power = exponent[0] == '-' ? -kLimit : kLimit;
    }
    if (LeadingExponent(mantissa) + std::clamp(power, -kLimit, kLimit) > 0) {
      return std::nullopt;
    }
  }
  return negative ? -value : value;
}
