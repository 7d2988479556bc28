// Any text read as a number and rounded into 16 bits: never a crash, and a
// value that is accepted really is the nearest integer within range.
#include "quiz/TextRules.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = numberlark::text_value(text);
    const auto rounded = numberlark::round_to_int16(value);
    if (rounded) {
        if (std::fabs(value - *rounded) > 0.5) {
            std::abort();
        }
    } else if (std::isfinite(value) && value > -32768.5 && value < 32767.5) {
        std::abort();
    }
    return 0;
}
