#include "quiz/Completion.h"

#include "quiz/TextRules.h"

#include <cmath>

namespace numberlark {

namespace {

constexpr int kFirstEntry = 9;
constexpr int kLastEntry = 14;
constexpr double kStep = 100.0;

Rgb paletteColour(int entry)
{
    switch (entry) {
    case 9:
        return {0, 0, 255};
    case 10:
        return {0, 255, 0};
    case 11:
        return {0, 255, 255};
    case 12:
        return {255, 0, 0};
    case 13:
        return {255, 0, 255};
    default:
        return {255, 255, 0};
    }
}

// A value from 0 to 400 twips: consecutive t are 10 radians apart, so the
// lines zigzag rather than wave.
double wave(int entry, double t)
{
    return (std::sin((10.0 * entry + t) / 10.0) + 1.0) * 200.0;
}

enum class Band { Top, Bottom, Left, Right };

PointF bandPoint(Band band, int entry, double t, double W, double H)
{
    switch (band) {
    case Band::Top:
        return {t, wave(entry, t)};
    case Band::Bottom:
        return {t, H - 600.0 - wave(entry, t) - 40.0};
    case Band::Left:
        return {wave(entry, t), t};
    case Band::Right:
        return {W - 100.0 - wave(entry, t), t};
    }
    return {};
}

void drawBand(std::vector<BorderPolyline>& lines, Band band, PointF start, bool resetPerColour,
              double limit, double W, double H)
{
    PointF pen = start;
    for (int entry = kFirstEntry; entry <= kLastEntry; ++entry) {
        if (resetPerColour) {
            pen = start;
        }
        BorderPolyline line{entry, paletteColour(entry), {pen}};
        for (double t = 1.0; t <= limit; t += kStep) {
            pen = bandPoint(band, entry, t, W, H);
            line.points.push_back(pen);
        }
        lines.push_back(std::move(line));
    }
}

} // namespace

std::int16_t time_taken(std::int16_t clock_seconds)
{
    return static_cast<std::int16_t>(clock_seconds > 0 ? clock_seconds - 1 : 0);
}

std::int16_t time_taken(const SessionRecord& record)
{
    return time_taken(record.clock_seconds);
}

std::string result_sentence(const SessionRecord& record, bool mixed)
{
    const std::string count = number_text(record.Numofquestions);
    const std::string seconds = number_text(time_taken(record)) + " seconds";
    if (mixed) {
        return "You completed" + count + " mixed tables questions in" + seconds;
    }
    return "You completed" + count + " of the" + number_text(record.current_table) +
           " times table questions in" + seconds;
}

std::vector<BorderPolyline> draw_rainbow_border(double W, double H)
{
    std::vector<BorderPolyline> lines;
    lines.reserve(24);
    drawBand(lines, Band::Top, {0.0, 0.0}, false, W, W, H);
    drawBand(lines, Band::Bottom, {0.0, H}, false, W, W, H);
    drawBand(lines, Band::Left, {0.0, 0.0}, true, H, W, H);
    drawBand(lines, Band::Right, {W, 0.0}, true, H, W, H);
    return lines;
}

} // namespace numberlark
