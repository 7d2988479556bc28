#pragma once

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace numberlark {

struct ControlSize {
    float width = 0.0f; // twips
    float height = 0.0f;
};

// A control's new position in twips; an empty coordinate is left as it is.
struct Placement {
    std::string_view control; // objectName
    std::optional<float> left;
    std::optional<float> top;
};

using ControlSizeLookup = std::function<ControlSize(std::string_view control)>;

// Where the resize puts the controls for a window of outer size W x H
// (twips, frame, title bar and menu bar included), given each control's
// current size: the title, certificate heading, whiteboard, answer box and
// notice centred; the buttons, progress label and sign anchored to the
// bottom-right; the clock and seconds to the bottom-left; the two columns
// of tables either side of the centre line. In the order they are set.
// Single precision and unrounded, like the arithmetic the layout was
// designed with: 3532.5 stays 3532.5.
std::vector<Placement> main_layout(float W, float H, const ControlSizeLookup& sizeOf);

} // namespace numberlark
