#include "quiz/TextRules.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace numberlark {
namespace {

TEST(NumberText, SpaceBeforeNonNegativeMinusBeforeNegative)
{
    EXPECT_EQ(number_text(7), " 7");
    EXPECT_EQ(number_text(0), " 0");
    EXPECT_EQ(number_text(-3), "-3");
    EXPECT_EQ(number_text(32767), " 32767");
    EXPECT_EQ(number_text(-32768), "-32768");
}

struct TextValueCase {
    const char* text;
    double expected;
};

void PrintTo(const TextValueCase& c, std::ostream* os)
{
    *os << '"' << c.text << '"';
}

class TextValue : public ::testing::TestWithParam<TextValueCase> {};

TEST_P(TextValue, ReadsTheLongestNumericPrefix)
{
    EXPECT_DOUBLE_EQ(text_value(GetParam().text), GetParam().expected)
        << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Examples, TextValue,
    ::testing::Values(TextValueCase{"56", 56}, TextValueCase{"5 6", 56},
                      TextValueCase{"  56  ", 56}, TextValueCase{"56abc", 56}, TextValueCase{"", 0},
                      TextValueCase{"abc", 0}, TextValueCase{"7.5", 7.5}, TextValueCase{"56.0", 56},
                      TextValueCase{"56.4", 56.4}, TextValueCase{"a56", 0},
                      TextValueCase{"5\t6\n", 56}, TextValueCase{"-12", -12},
                      TextValueCase{"- 1 2", -12}, TextValueCase{"+8", 8}, TextValueCase{".5", 0.5},
                      TextValueCase{"1.2.3", 1.2}, TextValueCase{"1e3", 1000},
                      TextValueCase{"2E-1", 0.2}, TextValueCase{"3e", 3}, TextValueCase{"3e+", 3},
                      TextValueCase{"&H1F", 31}, TextValueCase{"&hff", 255},
                      TextValueCase{"&O17", 15}, TextValueCase{"&O19", 1}, TextValueCase{"&X5", 0},
                      TextValueCase{"-", 0}, TextValueCase{".", 0}, TextValueCase{"1,5", 1},
                      TextValueCase{"1e-400", 0}));

TEST(TextValue, HugeNumbersBecomeInfinityNotGarbage)
{
    EXPECT_TRUE(std::isinf(text_value("1e400")));
    EXPECT_LT(text_value("-1e400"), 0);
    EXPECT_FALSE(round_to_int16(text_value("1e400")).has_value());
    // the leading digit's place decides, not the exponent's sign
    for (const std::string& huge :
         std::vector<std::string>{".5e400", "0.5e400", "1" + std::string(400, '0') + "e-1"}) {
        EXPECT_TRUE(std::isinf(text_value(huge))) << huge;
    }
    for (const char* tiny : {"1e-400", "0.001e-330", "1000e-400", "0e999"}) {
        EXPECT_EQ(text_value(tiny), 0.0) << tiny;
    }
}

struct RoundCase {
    double value;
    std::optional<std::int16_t> expected;
};

void PrintTo(const RoundCase& c, std::ostream* os)
{
    *os << '"' << c.value << '"';
}

class RoundToInt16 : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundToInt16, HalvesGoToEvenAndRangeIsChecked)
{
    EXPECT_EQ(round_to_int16(GetParam().value), GetParam().expected) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, RoundToInt16,
    ::testing::Values(RoundCase{2.5, 2}, RoundCase{3.5, 4}, RoundCase{-2.5, -2},
                      RoundCase{12.5, 12}, RoundCase{13.5, 14}, RoundCase{7.5, 8},
                      RoundCase{6.5, 6}, RoundCase{2.4999, 2}, RoundCase{-0.5, 0},
                      RoundCase{32767.0, 32767}, RoundCase{32767.5, std::nullopt},
                      RoundCase{32767.4, 32767}, RoundCase{-32768.0, -32768},
                      RoundCase{-32768.5, -32768}, RoundCase{-32768.6, std::nullopt},
                      RoundCase{40000.0, std::nullopt},
                      RoundCase{std::numeric_limits<double>::quiet_NaN(), std::nullopt}));

} // namespace
} // namespace numberlark
