#pragma once

namespace numberlark {

// A point in twips (1/1440 inch), window client coordinates, y downwards.
struct PointF {
    double x = 0.0;
    double y = 0.0;
    friend bool operator==(const PointF&, const PointF&) = default;
};

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

} // namespace numberlark
