#include "ui/main/MainLayout.h"

#include <array>

namespace numberlark {

namespace {

constexpr std::array<std::string_view, 6> kLeftColumn{"Option1_0", "Option1_1", "Option1_2",
                                                      "Option1_3", "Option1_4", "Option1_5"};
constexpr std::array<std::string_view, 6> kRightColumn{"Option1_6", "Option1_7",  "Option1_8",
                                                       "Option1_9", "Option1_10", "Option1_11"};

} // namespace

std::vector<Placement> main_layout(float W, float H, const ControlSizeLookup& sizeOf)
{
    const auto width = [&](std::string_view name) { return sizeOf(name).width; };
    const auto height = [&](std::string_view name) { return sizeOf(name).height; };

    std::vector<Placement> placements{
        {"ImgTitle", (W - width("ImgTitle")) / 2, std::nullopt},
        {"ImgCertificate", (W - width("ImgCertificate")) / 2, std::nullopt},
        {"CmdTest", W - 3200, H - 2200},
        {"CmdQuit_1", W - 3200, H - 1400},
        {"Cmdprint_1", W - 1500, H - 1400},
        {"LblTimer", 1300.0f, H - 1750},
        {"TxtAnswer", (W - width("TxtAnswer")) / 2 + 70, H / 2 - 80},
        {"lblscoresofar", W - width("lblscoresofar") - 800, H - 2800},
        {"Imgwhiteboard", (W - width("Imgwhiteboard")) / 2, (H - height("Imgwhiteboard")) / 2},
        {"Imgsign", W - width("Imgsign") - 300, H - height("Imgsign") - 700},
        {"Imgclock", std::nullopt, H - height("Imgclock") - 970},
        {"LblCorrect", std::nullopt, H / 2 + 2000},
    };
    for (std::string_view option : kLeftColumn) {
        placements.push_back({option, W / 2 - width(option) - 500, std::nullopt});
    }
    for (std::string_view option : kRightColumn) {
        placements.push_back({option, W / 2 + 500, std::nullopt});
    }
    placements.push_back({"lblYON", (W - width("lblYON")) / 2, H - 1500});
    return placements;
}

} // namespace numberlark
