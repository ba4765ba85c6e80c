#pragma once

#include <optional>
#include <string_view>

// Reads a number from the text of an input box the way the program's users expect:
// - blanks, tabs and line feeds anywhere in the text are ignored;
// - the number is read from the start of what remains up to the first character that cannot
//   continue it: an optional sign, digits, an optional fraction after "." (never ","; ".5" is
//   allowed) and an optional exponent E or e with optional sign and digits; or a radix prefix
//   &H or &O (either case) followed by hexadecimal or octal digits;
// - digits are the decimal digits of every script (Unicode 15.1, general category Nd) in UTF-8:
//   "３" (full width) and "٣" (Arabic-Indic) read 3; the point, signs, E and &H stay ASCII;
// - text with no number at its start reads as 0.
// "12abc" reads 12, "1,5" 1, "1.5E3" 1500, "&H10" 16, "" 0, "1E-400" 0.
//
// Empty only when the number is too large for a double ("1E400", a hexadecimal string of
// hundreds of digits): the caller answers that as an invalid number. Otherwise the value is
// always finite.
std::optional<double> ReadNumber(std::string_view text);
