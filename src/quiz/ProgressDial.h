#pragma once

#include "quiz/Geometry.h"

#include <optional>

namespace numberlark {

// Sector k of N of the progress dial, for a window of outer size W x H
// (twips): black radii from the centre to the two end points, and the pie
// slice between the angles, which run counter-clockwise from 3 o'clock.
struct DialSector {
    PointF centre;
    double radius = 0.0;
    PointF firstRadiusEnd;   // at angle (k - 1) * 2pi / N
    PointF secondRadiusEnd;  // at angle k * 2pi / N
    double startAngle = 0.0; // radians
    double sweepAngle = 0.0; // radians, positive = counter-clockwise
};

inline constexpr double kDialRadius = 500.0;
inline constexpr double kDialDistanceFromBottom = 1600.0;

// Nothing for N <= 0: there is no dial to divide.
std::optional<DialSector> show_progress_geometry(int k, int N, double W, double H);

} // namespace numberlark
