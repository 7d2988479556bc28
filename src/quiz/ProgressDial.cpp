#include "quiz/ProgressDial.h"

#include <cmath>

namespace numberlark {

std::optional<DialSector> show_progress_geometry(int k, int N, double W, double H)
{
    if (N <= 0) {
        return std::nullopt;
    }
    const double sector = 8.0 * std::atan(1.0) / N;
    DialSector dial;
    dial.centre = {W / 2.0, H - kDialDistanceFromBottom};
    dial.radius = kDialRadius;
    const auto endAt = [&](double angle) {
        return PointF{dial.centre.x + dial.radius * std::cos(angle),
                      dial.centre.y - dial.radius * std::sin(angle)};
    };
    dial.startAngle = (k - 1) * sector;
    dial.sweepAngle = sector;
    dial.firstRadiusEnd = endAt(dial.startAngle);
    dial.secondRadiusEnd = endAt(k * sector);
    return dial;
}

} // namespace numberlark
