#pragma once

#include "artwork/Artwork.h"
#include "quiz/Geometry.h"

#include <optional>
#include <span>
#include <string_view>

namespace numberlark {

enum class ControlKind { OptionButton, TextBox, PushButton, Label, Picture };

// Where a colour comes from: the toolkit's own choice for the control, a
// fixed RGB triple, or one of the desktop's system colours.
enum class ColourSource { Toolkit, Rgb, WindowText, WindowBackground };

struct ColourSpec {
    ColourSource source = ColourSource::Toolkit;
    Rgb rgb;
};

// An empty family means the control has no font of its own and uses the window's.
struct FontSpec {
    std::string_view family;
    double points = 0.0;
    bool bold = false;
    bool italic = false;
};

// Twips from the top-left corner of the client area (15 twips = 1 logical pixel).
struct RectTwips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

enum class TextAlign { Left, Centre };

// One control of the main window as it stands when the window opens.
struct ControlSpec {
    std::string_view name; // the control's objectName
    ControlKind kind = ControlKind::Label;
    std::string_view caption;
    FontSpec font;
    ColourSpec foreground;
    ColourSpec background;
    RectTwips design;
    bool visible = true;
    bool enabled = true;
    bool selected = false; // option buttons: the one marked when the window opens
    TextAlign align = TextAlign::Left;
    bool autoSize = false; // labels that size themselves to their text
    bool wordWrap = false;
    bool opaque = false; // labels that paint their background
    bool tickCursor = false;
    int tabIndex = -1; // keyboard order; -1 for controls that never take the focus
    // Labels and pictures form the lower layer, beneath every button, text
    // box and option button; 0 is its front.
    int stackFromTop = -1;
    std::optional<Picture> picture;
    std::string_view accessibleName; // for pictures and boxes, which show no caption of their own
};

// The window itself.
struct FormSpec {
    std::string_view caption;
    int clientWidth = 0; // twips
    int clientHeight = 0;
    FontSpec font;
    Rgb foreground;
    Rgb fill; // the progress dial's fill colour, set by the load step
};

const FormSpec& formSpec();

// Every control of the main window, in the order they are listed for the designer.
std::span<const ControlSpec> controlInventory();

// The inventory entry of a control, or nullptr for an unknown name.
const ControlSpec* findControlSpec(std::string_view name);

} // namespace numberlark
