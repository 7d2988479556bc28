// The resize layout: the worked example for a 12000 x 9000 twip window, how
// the positions follow W and H, and the window applying it.
#include "ui/main/MainLayout.h"
#include "MainWindowHarness.h"
#include "ui/main/DrawingSurface.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include <map>
#include <string>

namespace numberlark {
namespace {

using testing::MainWindowHarness;

constexpr float kScoreWidth = 1830.0f;
constexpr float kNoticeWidth = 1920.0f;

ControlSize designSize(std::string_view name)
{
    static const std::map<std::string_view, ControlSize> sizes{
        {"ImgTitle", {6240, 1905}},
        {"ImgCertificate", {4935, 1095}},
        {"Imgwhiteboard", {7500, 3435}},
        {"Imgsign", {1995, 2535}},
        {"Imgclock", {4320, 990}},
        {"TxtAnswer", {1575, 735}},
        {"lblscoresofar", {kScoreWidth, 360}},
        {"lblYON", {kNoticeWidth, 195}},
    };
    if (const auto found = sizes.find(name); found != sizes.end()) {
        return found->second;
    }
    if (name.starts_with("Option1_")) {
        const int index = std::stoi(std::string(name.substr(8)));
        return {index <= 5 ? 1900.0f : 2040.0f, 495};
    }
    ADD_FAILURE() << "the layout asked for the size of " << name;
    return {};
}

std::map<std::string_view, Placement> byControl(const std::vector<Placement>& placements)
{
    std::map<std::string_view, Placement> result;
    for (const Placement& placement : placements) {
        EXPECT_TRUE(result.emplace(placement.control, placement).second)
            << placement.control << " placed twice";
    }
    return result;
}

struct Expected {
    const char* control;
    std::optional<float> left;
    std::optional<float> top;
};

TEST(MainLayout, WorkedExampleForTwelveThousandByNineThousand)
{
    const Expected expected[] = {
        {"ImgTitle", 2880.0f, std::nullopt},
        {"ImgCertificate", 3532.5f, std::nullopt},
        {"CmdTest", 8800.0f, 6800.0f},
        {"CmdQuit_1", 8800.0f, 7600.0f},
        {"Cmdprint_1", 10500.0f, 7600.0f},
        {"LblTimer", 1300.0f, 7250.0f},
        {"TxtAnswer", 5282.5f, 4420.0f},
        {"lblscoresofar", 11200.0f - kScoreWidth, 6200.0f},
        {"Imgwhiteboard", 2250.0f, 2782.5f},
        {"Imgsign", 9705.0f, 5765.0f},
        {"Imgclock", std::nullopt, 7040.0f},
        {"LblCorrect", std::nullopt, 6500.0f},
        {"Option1_0", 3600.0f, std::nullopt},
        {"Option1_5", 3600.0f, std::nullopt},
        {"Option1_6", 6500.0f, std::nullopt},
        {"Option1_11", 6500.0f, std::nullopt},
        {"lblYON", (12000.0f - kNoticeWidth) / 2, 7500.0f},
    };
    const auto placements = byControl(main_layout(12000.0f, 9000.0f, designSize));
    EXPECT_EQ(placements.size(), 25u);
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.control);
        ASSERT_TRUE(placements.contains(e.control));
        EXPECT_EQ(placements.at(e.control).left, e.left);
        EXPECT_EQ(placements.at(e.control).top, e.top);
    }
    for (const char* unmoved :
         {"Option1_12", "TxtOther", "LblQuestion", "LblInstructions", "Lbldate"}) {
        EXPECT_FALSE(placements.contains(unmoved)) << unmoved;
    }
}

// Widening moves centred controls by half the change and right-anchored
// ones by all of it; a height change moves no Left; a narrow window gives
// negative positions without complaint.
TEST(MainLayout, PositionsFollowTheWindowSize)
{
    const auto base = byControl(main_layout(12000.0f, 9000.0f, designSize));
    const auto wider = byControl(main_layout(14000.0f, 9000.0f, designSize));
    const auto taller = byControl(main_layout(12000.0f, 11000.0f, designSize));
    const std::pair<const char*, float> shifts[] = {
        {"ImgTitle", 1000},      {"ImgCertificate", 1000}, {"TxtAnswer", 1000},
        {"Imgwhiteboard", 1000}, {"lblYON", 1000},         {"Option1_0", 1000},
        {"Option1_6", 1000},     {"CmdTest", 2000},        {"CmdQuit_1", 2000},
        {"Cmdprint_1", 2000},    {"lblscoresofar", 2000},  {"Imgsign", 2000},
        {"LblTimer", 0}};
    for (const auto& [control, shift] : shifts) {
        SCOPED_TRACE(control);
        EXPECT_EQ(*wider.at(control).left - *base.at(control).left, shift);
        EXPECT_EQ(taller.at(control).left, base.at(control).left);
    }
    EXPECT_EQ(*taller.at("CmdTest").top - *base.at("CmdTest").top, 2000.0f);
    EXPECT_EQ(*taller.at("Imgwhiteboard").top - *base.at("Imgwhiteboard").top, 1000.0f);

    const auto narrow = byControl(main_layout(3000.0f, 2000.0f, designSize));
    EXPECT_EQ(narrow.at("CmdTest").left, -200.0f);
    EXPECT_EQ(narrow.at("CmdTest").top, -200.0f);
}

TEST(MainLayout, ReadsEachControlsCurrentSize)
{
    const auto longerCaption = [](std::string_view name) {
        return name == "lblscoresofar" ? ControlSize{2500.0f, 360.0f} : designSize(name);
    };
    const auto placements = byControl(main_layout(12000.0f, 9000.0f, longerCaption));
    EXPECT_EQ(placements.at("lblscoresofar").left, 12000.0f - 2500.0f - 800.0f);
}

// W and H are the outer size: frame (where the window system reports one)
// and menu bar included.
TEST(MainWindowLayout, WindowLaysItselfOutForItsOuterSize)
{
    MainWindowHarness harness;
    Form1& window = harness.window();
    const MainControls& c = harness.controls();
    const QSize frame = window.frameGeometry().size() - window.size();
    EXPECT_EQ(window.outerSize().height,
              15.0f * (c.surface->height() + window.menuBar()->height() + frame.height()));

    window.resize(QSize(1000, 800) - frame); // 15000 x 12000 twips outside
    ASSERT_EQ(window.outerSize().width, 15000.0f);
    ASSERT_EQ(window.outerSize().height, 12000.0f);
    EXPECT_EQ(c.CmdTest->pos(), QPoint(787, 653));        // 11800, 9800 twips
    EXPECT_EQ(c.CmdQuit->pos(), QPoint(787, 707));        // 11800, 10600
    EXPECT_EQ(c.Cmdprint->pos(), QPoint(900, 707));       // 13500, 10600
    EXPECT_EQ(c.LblTimer->pos(), QPoint(87, 683));        // 1300, 10250
    EXPECT_EQ(c.Imgwhiteboard->pos(), QPoint(250, 286));  // 3750, 4282.5 (285.5 px, rounded)
    EXPECT_EQ(c.ImgTitle->pos(), QPoint(292, 8));         // 4380, design top 120
    EXPECT_EQ(c.Option1[6]->x(), 533);                    // 8000
    EXPECT_EQ(c.Option1[0]->geometry().right() + 1, 467); // right edge at 7000
    EXPECT_EQ(c.TxtOther->pos(), QPoint(452, 397)) << "Other's box never moves";
}

TEST(MainWindowLayout, OpensWithTheDesignClientAreaBelowTheMenuBar)
{
    MainWindowHarness harness;
    EXPECT_EQ(harness.controls().surface->size(), QSize(736, 554)); // 11040 x 8310 twips
}

TEST(MainWindowLayout, LaidOutBeforeTheFirstPaint)
{
    MemorySettingsStore store;
    Form1 window(store, std::make_unique<testing::ScriptedRandom>(std::vector<double>{0.5}));
    window.show(); // no events processed: the layout came with the first resize
    const SizeTwips outer = window.outerSize();
    EXPECT_EQ(window.controls().CmdTest->pos(),
              QPoint(qRound((outer.width - 3200) / 15), qRound((outer.height - 2200) / 15)));
}

} // namespace
} // namespace numberlark
