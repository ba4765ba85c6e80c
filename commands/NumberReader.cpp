#include "commands/NumberReader.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

int DigitValue(char c, int radix) {
  int value = -1;
  if (IsDigit(c)) {
    value = c - '0';
  } else if (c >= 'a' && c <= 'f') {
    value = c - 'a' + 10;
  } else if (c >= 'A' && c <= 'F') {
    value = c - 'A' + 10;
  }
  return value < radix ? value : -1;
}

std::optional<double> ReadRadix(std::string_view digits, int radix) {
  double value = 0.0;
  for (const char c : digits) {
    const int digit = DigitValue(c, radix);
    if (digit < 0) {
      break;
    }
    value = value * radix + digit;
  }
  if (!std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

// Decimal exponent of the leading digit of a mantissa written as digits with at most one ".",
// e.g. 3 for "1234.5", -2 for "0.005"; used only to tell overflow from underflow.
long long LeadingExponent(std::string_view mantissa) {
  const auto point = mantissa.find('.');
  const std::string_view whole = mantissa.substr(0, point);
  const auto first = whole.find_first_not_of('0');
  if (first != std::string_view::npos) {
    return static_cast<long long>(whole.size() - first) - 1;
  }
  if (point == std::string_view::npos) {
    return 0;
  }
  const std::string_view fraction = mantissa.substr(point + 1);
  const auto nonzero = fraction.find_first_not_of('0');
  return nonzero == std::string_view::npos ? 0 : -static_cast<long long>(nonzero) - 1;
}

}  // namespace

std::optional<double> ReadNumber(std::string_view text) {
  std::string s;
  s.reserve(text.size());
  for (const char c : text) {
    if (c != ' ' && c != '\t' && c != '\n') {
      s += c;
    }
  }

  if (s.size() >= 2 && s[0] == '&') {
    if (s[1] == 'H' || s[1] == 'h') {
      return ReadRadix(std::string_view(s).substr(2), 16);
    }
    if (s[1] == 'O' || s[1] == 'o') {
      return ReadRadix(std::string_view(s).substr(2), 8);
    }
    return 0.0;
  }

  std::size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    negative = s[i] == '-';
    ++i;
  }
  std::string mantissa;
  int digits = 0;
  for (; i < s.size() && IsDigit(s[i]); ++i, ++digits) {
    mantissa += s[i];
  }
  if (i < s.size() && s[i] == '.') {
    mantissa += '.';
    for (++i; i < s.size() && IsDigit(s[i]); ++i, ++digits) {
      mantissa += s[i];
    }
  }
  if (digits == 0) {
    return 0.0;
  }

  std::string number = mantissa;
  long long exponent = 0;
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
    std::size_t j = i + 1;
    bool exponent_negative = false;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
      exponent_negative = s[j] == '-';
      ++j;
    }
    if (j < s.size() && IsDigit(s[j])) {
      number += 'e';
      if (exponent_negative) {
        number += '-';
      }
      for (; j < s.size() && IsDigit(s[j]); ++j) {
        number += s[j];
        if (exponent < 1'000'000'000) {
          exponent = exponent * 10 + (s[j] - '0');
        }
      }
      if (exponent_negative) {
        exponent = -exponent;
      }
    }
  }

  double value = 0.0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value,
                                            std::chars_format::general);
  (void)end;
  if (error == std::errc::result_out_of_range) {
    if (LeadingExponent(mantissa) + exponent > 0) {
      return std::nullopt;  // too large for a double
    }
    value = 0.0;  // too small: reads as 0
  } else if (error != std::errc()) {
    return 0.0;
  }
  if (!std::isfinite(value)) {
    return std::nullopt;
  }
  return negative ? -value : value;
}
