#include "ui/main/ControlInventory.h"

#include "quiz/TableChoice.h"

#include <QtGlobal>

#include <array>

// Each entry names only what differs from a plain, visible control; the
// designated initializers leave every other member at its default on purpose.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#endif

namespace numberlark {

namespace {

constexpr FontSpec kOptionFont{"MS Sans Serif", 12.0, true, false};
constexpr FontSpec kButtonFont{"MS Sans Serif", 8.25, true, false};
constexpr FontSpec kBigSansFont{"MS Sans Serif", 24.0, true, false};

constexpr ColourSpec kToolkit{};
constexpr ColourSpec kWindowText{ColourSource::WindowText, {}};
constexpr ColourSpec kWindowBackground{ColourSource::WindowBackground, {}};
constexpr ColourSpec rgb(int red, int green, int blue)
{
    return {ColourSource::Rgb, {red, green, blue}};
}

constexpr ControlSpec option(std::string_view name, int index, RectTwips design, int tabIndex)
{
    return {.name = name,
            .kind = ControlKind::OptionButton,
            .caption = kTableOptions[static_cast<std::size_t>(index)].caption,
            .font = kOptionFont,
            .foreground = rgb(0, 0, 192),
            .background = kWindowBackground,
            .design = design,
            .selected = index == kPreselectedIndex,
            .tabIndex = tabIndex};
}

constexpr ControlSpec button(std::string_view name, std::string_view caption, RectTwips design,
                             bool visible, int tabIndex)
{
    return {.name = name,
            .kind = ControlKind::PushButton,
            .caption = caption,
            .font = kButtonFont,
            .design = design,
            .visible = visible,
            .tabIndex = tabIndex};
}

constexpr ControlSpec picture(std::string_view name, Picture picture, RectTwips design,
                              bool visible, int stackFromTop, std::string_view accessibleName)
{
    return {.name = name,
            .kind = ControlKind::Picture,
            .design = design,
            .visible = visible,
            .stackFromTop = stackFromTop,
            .picture = picture,
            .accessibleName = accessibleName};
}

const FormSpec kForm{QT_TRANSLATE_NOOP("Form1", "Number Lark"),
                     11040,
                     8310,
                     {"Arial", 15.75, true, false},
                     {0, 0, 0},
                     {255, 255, 0}};

const std::array kInventory{
    option("Option1_0", 0, {3360, 2280, 1900, 495}, 3),
    option("Option1_1", 1, {3360, 2880, 1900, 495}, 4),
    option("Option1_2", 2, {3360, 3480, 1900, 495}, 5),
    option("Option1_3", 3, {3360, 4080, 1900, 495}, 6),
    option("Option1_4", 4, {3360, 4680, 1900, 495}, 7),
    option("Option1_5", 5, {3360, 5280, 1900, 495}, 8),
    option("Option1_6", 6, {5400, 2280, 2040, 495}, 9),
    option("Option1_7", 7, {5400, 2880, 2040, 495}, 10),
    option("Option1_8", 8, {5385, 3480, 2040, 495}, 11),
    option("Option1_9", 9, {5400, 4080, 2040, 495}, 12),
    option("Option1_10", 10, {5400, 4680, 2040, 495}, 13),
    option("Option1_11", 11, {5400, 5280, 2040, 495}, 14),
    option("Option1_12", 12, {5565, 5880, 1215, 495}, 23),
    ControlSpec{.name = "TxtOther",
                .kind = ControlKind::TextBox,
                .caption = "13",
                .font = kOptionFont,
                .foreground = rgb(0, 0, 192),
                .design = {6780, 5955, 780, 420},
                .enabled = false,
                .align = TextAlign::Centre,
                .tabIndex = 22,
                .accessibleName = QT_TRANSLATE_NOOP("Form1", "Other times table")},
    button("Cmdprint_1", QT_TRANSLATE_NOOP("Form1", "Print"), {8400, 5760, 1095, 375}, false, 18),
    ControlSpec{.name = "TxtAnswer",
                .kind = ControlKind::TextBox,
                .font = kBigSansFont,
                .foreground = rgb(0, 0, 255),
                .design = {3360, 4560, 1575, 735},
                .visible = false,
                .align = TextAlign::Centre,
                .tabIndex = 1,
                .accessibleName = QT_TRANSLATE_NOOP("Form1", "Answer")},
    button("CmdTest", QT_TRANSLATE_NOOP("Form1", "Test"), {8400, 4800, 1095, 375}, true, 0),
    button("CmdQuit_1", QT_TRANSLATE_NOOP("Form1", "Quit"), {8400, 5280, 1095, 375}, true, 2),
    ControlSpec{.name = "lblscoresofar",
                .foreground = rgb(255, 128, 128),
                .design = {6045, 7410, 1830, 360},
                .visible = false,
                .align = TextAlign::Centre,
                .autoSize = true,
                .tickCursor = true,
                .stackFromTop = 0},
    ControlSpec{.name = "Lbldate",
                .caption = QT_TRANSLATE_NOOP("Form1", "Date"),
                .font = kButtonFont,
                .foreground = kWindowText,
                .design = {2880, 5280, 3495, 375},
                .visible = false,
                .align = TextAlign::Centre,
                .stackFromTop = 1},
    ControlSpec{.name = "lblYON",
                .caption = QT_TRANSLATE_NOOP("Form1", "A Numberlark program"),
                .font = {"MS Sans Serif", 8.25, false, true},
                .foreground = kWindowText,
                .background = kWindowBackground,
                .design = {840, 5760, 1920, 195},
                .autoSize = true,
                .opaque = true,
                .stackFromTop = 2},
    ControlSpec{.name = "LblInstructions",
                .font = {"Arial", 12.0, true, false},
                .foreground = kWindowText,
                .design = {360, 2400, 2775, 3375},
                .wordWrap = true,
                .stackFromTop = 3},
    picture("ImgCertificate", Picture::Certificate, {2520, 2040, 4935, 1095}, false, 4,
            QT_TRANSLATE_NOOP("Form1", "Certificate")),
    ControlSpec{.name = "LblTimer",
                .font = {"Courier New", 24.0, true, false},
                .foreground = rgb(255, 128, 128),
                .design = {3750, 3240, 315, 540},
                .align = TextAlign::Centre,
                .autoSize = true,
                .stackFromTop = 5},
    ControlSpec{.name = "LblCorrect",
                .font = {"Arial", 24.0, true, false},
                .foreground = rgb(255, 0, 0),
                .design = {3120, 5400, 2175, 615},
                .align = TextAlign::Centre,
                .stackFromTop = 6},
    ControlSpec{.name = "LblQuestion",
                .font = kBigSansFont,
                .foreground = kWindowText,
                .design = {360, 4680, 2775, 495},
                .align = TextAlign::Centre,
                .stackFromTop = 7},
    picture("Imgclock", Picture::Clock, {330, 7155, 4320, 990}, true, 8,
            QT_TRANSLATE_NOOP("Form1", "A clock radio; its display shows the seconds")),
    picture("Imgwhiteboard", Picture::Whiteboard, {990, 2010, 7500, 3435}, false, 9,
            QT_TRANSLATE_NOOP(
                "Form1", "A whiteboard between an elephant in a suit and a donkey holding a pen")),
    picture("ImgTitle", Picture::Title, {2040, 120, 6240, 1905}, true, 10,
            QT_TRANSLATE_NOOP("Form1", "Numberlark, in yellow capitals")),
    picture("Imgsign", Picture::Sign, {5385, 5820, 1995, 2535}, false, 11,
            QT_TRANSLATE_NOOP("Form1", "A sign that reads: This question is")),
};

} // namespace

const FormSpec& formSpec()
{
    return kForm;
}

std::span<const ControlSpec> controlInventory()
{
    return kInventory;
}

const ControlSpec* findControlSpec(std::string_view name)
{
    for (const auto& control : kInventory) {
        if (control.name == name) {
            return &control;
        }
    }
    return nullptr;
}

} // namespace numberlark
