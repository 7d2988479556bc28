#include "quiz/Completion.h"
#include "quiz/ProgressDial.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>

namespace numberlark {
namespace {

struct SentenceCase {
    std::int16_t questions;
    std::int16_t table;
    std::int16_t clock;
    bool mixed;
    const char* expected;
};

void PrintTo(const SentenceCase& c, std::ostream* os)
{
    *os << '"' << c.expected << '"';
}

class ResultSentence : public ::testing::TestWithParam<SentenceCase> {};

TEST_P(ResultSentence, JoinsThePiecesWithNumberText)
{
    SessionRecord record;
    record.Numofquestions = GetParam().questions;
    record.current_table = GetParam().table;
    record.clock_seconds = GetParam().clock;
    EXPECT_EQ(result_sentence(record, GetParam().mixed), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ResultSentence,
    ::testing::Values(
        SentenceCase{20, 7, 96, false,
                     "You completed 20 of the 7 times table questions in 95 seconds"},
        SentenceCase{20, 5, 96, true, "You completed 20 mixed tables questions in 95 seconds"},
        SentenceCase{10, -4, 12, false,
                     "You completed 10 of the-4 times table questions in 11 seconds"},
        SentenceCase{20, 13, 0, false,
                     "You completed 20 of the 13 times table questions in 0 seconds"}));

TEST(RainbowBorder, TwentyFourLinesInBandAndColourOrder)
{
    const double W = 12000;
    const double H = 9000;
    const auto lines = draw_rainbow_border(W, H);
    ASSERT_EQ(lines.size(), 24u);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].paletteEntry, 9 + static_cast<int>(i % 6));
    }
    EXPECT_EQ(lines[0].colour, (Rgb{0, 0, 255}));
    EXPECT_EQ(lines[5].colour, (Rgb{255, 255, 0}));
    // t = 1, 101, ..., 11901: 120 points along the width, plus the start.
    EXPECT_EQ(lines[0].points.size(), 121u);
    // Along the height t runs to 8901: 90 points plus the start.
    EXPECT_EQ(lines[12].points.size(), 91u);
}

TEST(RainbowBorder, TopAndBottomContinueTheLeftAndRightRestart)
{
    const double W = 12000;
    const double H = 9000;
    const auto lines = draw_rainbow_border(W, H);
    EXPECT_EQ(lines[0].points.front(), (PointF{0, 0}));
    EXPECT_EQ(lines[1].points.front(), lines[0].points.back()) << "top band is not reset";
    EXPECT_EQ(lines[6].points.front(), (PointF{0, H}));
    EXPECT_EQ(lines[7].points.front(), lines[6].points.back()) << "bottom band is not reset";
    for (int i = 12; i < 18; ++i) {
        EXPECT_EQ(lines[static_cast<std::size_t>(i)].points.front(), (PointF{0, 0}));
        EXPECT_EQ(lines[static_cast<std::size_t>(i + 6)].points.front(), (PointF{W, 0}));
    }
    const auto wave = [](int c, double t) {
        return (std::sin((10.0 * c + t) / 10.0) + 1.0) * 200.0;
    };
    EXPECT_DOUBLE_EQ(lines[0].points[1].y, wave(9, 1));
    EXPECT_DOUBLE_EQ(lines[6].points[2].x, 101);
    EXPECT_DOUBLE_EQ(lines[6].points[2].y, H - 600 - wave(9, 101) - 40);
    EXPECT_DOUBLE_EQ(lines[13].points[1].x, wave(10, 1));
    EXPECT_DOUBLE_EQ(lines[23].points[3].x, W - 100 - wave(14, 201));
    EXPECT_DOUBLE_EQ(lines[23].points[3].y, 201);
}

TEST(RainbowBorder, LimitIsReachedOnlyWhenOneMoreThanAHundredMultiple)
{
    EXPECT_EQ(draw_rainbow_border(301, 1000)[0].points.back().x, 301);
    EXPECT_EQ(draw_rainbow_border(300, 1000)[0].points.back().x, 201);
    EXPECT_EQ(draw_rainbow_border(0, 0)[0].points.size(), 1u);
}

TEST(ProgressDial, SectorsOfTheCircle)
{
    const double W = 12000;
    const double H = 9000;
    const auto first = show_progress_geometry(1, 4, W, H);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->centre, (PointF{6000, 7400}));
    EXPECT_DOUBLE_EQ(first->radius, 500);
    EXPECT_DOUBLE_EQ(first->firstRadiusEnd.x, 6500);
    EXPECT_DOUBLE_EQ(first->firstRadiusEnd.y, 7400);
    EXPECT_NEAR(first->secondRadiusEnd.x, 6000, 1e-9);
    EXPECT_NEAR(first->secondRadiusEnd.y, 6900, 1e-9) << "angles run counter-clockwise, y down";
    EXPECT_NEAR(first->sweepAngle, M_PI / 2, 1e-12);

    const auto last = show_progress_geometry(20, 20, W, H);
    ASSERT_TRUE(last.has_value());
    EXPECT_NEAR(last->startAngle + last->sweepAngle, 2 * M_PI, 1e-12);
    EXPECT_NEAR(last->secondRadiusEnd.x, 6500, 1e-9);
}

TEST(ProgressDial, NothingToDrawForNoQuestions)
{
    EXPECT_FALSE(show_progress_geometry(1, 0, 12000, 9000).has_value());
    EXPECT_FALSE(show_progress_geometry(1, -3, 12000, 9000).has_value());
}

} // namespace
} // namespace numberlark
