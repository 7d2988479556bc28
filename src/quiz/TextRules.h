#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace numberlark {

// An integer as the program shows it inside sentences and labels: one space
// in front of a number that is not negative, the minus sign in its place
// otherwise (7 -> " 7", -3 -> "-3"). The literal pieces joined to it carry
// no extra spaces.
std::string number_text(long long n);

// The number at the start of a text. Spaces, tabs and line feeds are ignored
// wherever they stand; the longest prefix that forms a number is read
// (optional sign, digits, one "." whatever the locale, an "E" exponent, or an
// "&H" hexadecimal / "&O" octal integer). A text with no such prefix reads 0.
double text_value(std::string_view text);

// Rounds to the nearest integer, a value exactly halfway going to the even
// neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2). Empty when the result does not
// fit in a signed 16-bit integer (or the value is not a number), so callers
// refuse the value instead of wrapping it.
std::optional<std::int16_t> round_to_int16(double value);

} // namespace numberlark
