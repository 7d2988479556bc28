#pragma once

#include "quiz/Geometry.h"
#include "quiz/SessionRecord.h"

#include <cstdint>
#include <string>
#include <vector>

namespace numberlark {

// The time the program reports on screen, on paper and in the results file:
// the last value the clock showed, given `clock_seconds` (one past it). A
// test finished before the clock's first tick took 0 seconds, never -1.
std::int16_t time_taken(std::int16_t clock_seconds);
std::int16_t time_taken(const SessionRecord& record);

// "You completed 20 of the 7 times table questions in 95 seconds", or the
// mixed wording "You completed 20 mixed tables questions in 95 seconds".
std::string result_sentence(const SessionRecord& record, bool mixed);

// One zigzag line of the certificate border, drawn from its first point on.
struct BorderPolyline {
    int paletteEntry = 9; // 9..14 of the standard 16-colour palette
    Rgb colour;
    std::vector<PointF> points; // the pen's start, then every point reached
};

// The 24 polylines (top, bottom, left, right; colours 9..14 in each band) for
// a window of outer size W x H in twips, in drawing order.
std::vector<BorderPolyline> draw_rainbow_border(double W, double H);

} // namespace numberlark
