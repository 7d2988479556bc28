#include "quiz/TextRules.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace numberlark {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

std::string withoutBlanks(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (!isBlank(c)) {
            out.push_back(c);
        }
    }
    return out;
}

bool isDigitIn(char c, int base)
{
    const auto u = static_cast<unsigned char>(c);
    if (base == 16) {
        return std::isxdigit(u) != 0;
    }
    return c >= '0' && c < static_cast<char>('0' + base);
}

// "&H1F" / "&O17": an unsigned integer in the given base, 0 without digits.
double radixValue(const std::string& s, int base)
{
    double value = 0.0;
    for (std::size_t i = 2; i < s.size() && isDigitIn(s[i], base); ++i) {
        const int digit = std::isdigit(static_cast<unsigned char>(s[i]))
                              ? s[i] - '0'
                              : std::toupper(static_cast<unsigned char>(s[i])) - 'A' + 10;
        value = value * base + digit;
    }
    return value;
}

std::size_t digitsFrom(const std::string& s, std::size_t i)
{
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
        ++i;
    }
    return i;
}

// Length of the longest decimal number at the start of s, 0 when there is none.
std::size_t decimalPrefixLength(const std::string& s)
{
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        ++i;
    }
    const std::size_t intStart = i;
    i = digitsFrom(s, i);
    bool anyDigits = i > intStart;
    if (i < s.size() && s[i] == '.') {
        const std::size_t fracStart = i + 1;
        const std::size_t fracEnd = digitsFrom(s, fracStart);
        anyDigits = anyDigits || fracEnd > fracStart;
        i = fracEnd;
    }
    if (!anyDigits) {
        return 0;
    }
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            ++j;
        }
        const std::size_t expEnd = digitsFrom(s, j);
        if (expEnd > j) {
            i = expEnd;
        }
    }
    return i;
}

// A decimal exponent, saturated far beyond the range of a double.
long long exponentValue(const std::string& digits)
{
    long long value = 0;
    for (char c : digits) {
        if (c >= '0' && c <= '9') {
            value = std::min(value * 10 + (c - '0'), 1'000'000'000LL);
        }
    }
    return value;
}

// For a decimal prefix that is out of double range: is it tiny rather than
// huge? The power of ten of its leading digit decides, not the exponent's
// sign alone ("0.5e400" is huge, "1000...0e-1" with 400 zeros too).
bool isTooSmall(const std::string& unsignedNumber)
{
    const std::size_t exponentAt = unsignedNumber.find_first_of("Ee");
    const std::string mantissa = unsignedNumber.substr(0, exponentAt);
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string::npos) {
        return true;
    }
    const auto point = static_cast<long long>(std::min(mantissa.find('.'), mantissa.size()));
    const auto lead = static_cast<long long>(first);
    long long power = lead < point ? point - lead - 1 : point - lead;
    if (exponentAt != std::string::npos) {
        const std::string exponent = unsignedNumber.substr(exponentAt + 1);
        const long long size = exponentValue(exponent);
        power += !exponent.empty() && exponent[0] == '-' ? -size : size;
    }
    return power < 0;
}

} // namespace

std::string number_text(long long n)
{
    return n < 0 ? std::to_string(n) : " " + std::to_string(n);
}

double text_value(std::string_view text)
{
    const std::string s = withoutBlanks(text);
    if (s.size() >= 2 && s[0] == '&') {
        const char kind = static_cast<char>(std::toupper(static_cast<unsigned char>(s[1])));
        if (kind == 'H') {
            return radixValue(s, 16);
        }
        if (kind == 'O') {
            return radixValue(s, 8);
        }
        return 0.0;
    }
    const std::size_t length = decimalPrefixLength(s);
    if (length == 0) {
        return 0.0;
    }
    // from_chars ignores the process locale, so "." is the point everywhere.
    const bool negative = s[0] == '-';
    const std::size_t start = (s[0] == '-' || s[0] == '+') ? 1 : 0;
    double magnitude = 0.0;
    const auto [ptr, error] = std::from_chars(s.data() + start, s.data() + length, magnitude);
    (void)ptr;
    if (error == std::errc::result_out_of_range) {
        // Too large gives infinity, which no 16-bit conversion accepts; too
        // small to represent gives zero.
        magnitude = isTooSmall(s.substr(start, length - start))
                        ? 0.0
                        : std::numeric_limits<double>::infinity();
    }
    return negative ? -magnitude : magnitude;
}

std::optional<std::int16_t> round_to_int16(double value)
{
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    double rounded = std::round(value); // halves away from zero
    if (std::fabs(value - std::trunc(value)) == 0.5) {
        rounded = 2.0 * std::round(value / 2.0);
    }
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

} // namespace numberlark
