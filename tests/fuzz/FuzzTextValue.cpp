// Any text read as a number and rounded into 16 bits must agree with a
// second, separately written reading of the same rules: blanks (space, tab,
// line feed) ignored wherever they stand, then the longest prefix that forms
// a number, "&H"/"&O" integers, and 0 when there is none.
#include "quiz/TextRules.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int digitValue(char c)
{
    if (isDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return 99;
}

// The accepted characters of a decimal number, grown one state at a time;
// `kept` is the longest prefix seen so far that is a whole number.
std::string decimalPrefix(const std::string& s)
{
    enum class State {
        Start,
        Sign,
        Whole,
        Point,
        Fraction,
        E,
        ESign,
        Exponent
    } state = State::Start;
    std::string grown;
    std::string kept;
    bool seenDigit = false;
    for (char c : s) {
        const char upper = c == 'e' ? 'E' : c;
        const bool sign = c == '+' || c == '-';
        if (state == State::Start && sign) {
            state = State::Sign;
        } else if (isDigit(c) &&
                   (state == State::Start || state == State::Sign || state == State::Whole)) {
            state = State::Whole;
        } else if (c == '.' &&
                   (state == State::Start || state == State::Sign || state == State::Whole)) {
            state = State::Point;
        } else if (isDigit(c) && (state == State::Point || state == State::Fraction)) {
            state = State::Fraction;
        } else if (upper == 'E' && seenDigit &&
                   (state == State::Whole || state == State::Point || state == State::Fraction)) {
            state = State::E;
        } else if (sign && state == State::E) {
            state = State::ESign;
        } else if (isDigit(c) &&
                   (state == State::E || state == State::ESign || state == State::Exponent)) {
            state = State::Exponent;
        } else {
            break;
        }
        grown += upper;
        seenDigit = seenDigit || isDigit(c);
        if (seenDigit && state != State::E && state != State::ESign) {
            kept = grown;
        }
    }
    return kept;
}

double radixReference(const std::string& s, int base)
{
    long double value = 0;
    for (std::size_t i = 2; i < s.size() && digitValue(s[i]) < base; ++i) {
        value = value * base + digitValue(s[i]);
    }
    return static_cast<double>(value);
}

double referenceValue(std::string_view text)
{
    std::string s;
    for (char c : text) {
        if (!isBlank(c)) {
            s += c;
        }
    }
    if (s.size() >= 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h')) {
        return radixReference(s, 16);
    }
    if (s.size() >= 2 && s[0] == '&' && (s[1] == 'O' || s[1] == 'o')) {
        return radixReference(s, 8);
    }
    if (s.size() >= 2 && s[0] == '&') {
        return 0.0;
    }
    const std::string number = decimalPrefix(s);
    return number.empty() ? 0.0 : std::strtod(number.c_str(), nullptr);
}

// Agreement up to the last bits of very long numbers and of values too small
// to matter, which the two readings may round differently.
bool agree(double a, double b)
{
    if (a == b || (std::fabs(a) < 1e-300 && std::fabs(b) < 1e-300)) {
        return true;
    }
    return std::isfinite(a) && std::isfinite(b) && std::fabs(a) > 0x1p53 &&
           std::fabs(a - b) <= std::fabs(a) * 1e-12;
}

// Nearest integer with halves to even (the default rounding mode), within 16 bits.
std::optional<std::int16_t> referenceRounding(double value)
{
    const double rounded = std::nearbyint(value);
    if (!std::isfinite(value) || rounded < -32768.0 || rounded > 32767.0) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = numberlark::text_value(text);
    const double expected = referenceValue(text);
    if (!agree(value, expected)) {
        std::fprintf(stderr, "text_value read %.17g, the reference %.17g\n", value, expected);
        std::abort();
    }
    if (numberlark::round_to_int16(value) != referenceRounding(value)) {
        std::fprintf(stderr, "round_to_int16(%.17g) differs from the nearest even\n", value);
        std::abort();
    }
    return 0;
}
