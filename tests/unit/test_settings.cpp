// The player's settings file: what each line gives, bad values one by one.
#include "core/Settings.h"
#include "ui/Zoom.h"

#include <gtest/gtest.h>

namespace {

const std::string kSpoken[] = {"zh_HK", "en", "zh_CN"};

Settings Read(std::string_view file) { return ReadSettings(ParseSettingsFile(file), kSpoken); }

TEST(Settings, WhatIsWrittenReadsBackTheSame)
{
    const Settings chosen{3, true, 40, "en", BattlePace::Quick};
    EXPECT_EQ(Read(SettingsFileText(WriteSettings(chosen))), chosen);
    EXPECT_EQ(Read(""), Settings{}) << "no file: the defaults";
}

TEST(Settings, EachBadValueGivesItsOwnDefaultAndLeavesTheRest)
{
    struct Case {
        const char* lines;
        Settings want;
    };
    // Each case follows "volume=55", which the others leave alone.
    const Case cases[] = {
        {"zoom=0", {1, false, 55, ""}},
        {"zoom=1000", {1, false, 55, ""}},
        {"zoom=2.5", {1, false, 55, ""}},
        {"zoom=-2", {1, false, 55, ""}},
        {"zoom=0x2", {1, false, 55, ""}},
        {"zoom=99999999999999999999", {1, false, 55, ""}},
        {"zoom=", {1, false, 55, ""}},
        {"zoom=@Variant(\\0\\0\\0\\x7f)", {1, false, 55, ""}},
        {"zoom = 3 ", {3, false, 55, ""}},
        {"fullScreen=yes", {1, false, 55, ""}},
        {"fullScreen=true", {1, true, 55, ""}},
        {"volume=-5", {1, false, 100, ""}},
        {"volume=101", {1, false, 100, ""}},
        {"volume=0", {1, false, 0, ""}},
        {"language=xx", {1, false, 55, ""}},
        {"language=en", {1, false, 55, "en"}},
        {"language=../../etc", {1, false, 55, ""}},
        {"battlePace=quick", {1, false, 55, "", BattlePace::Quick}},
        {"[Other]\nzoom=4\n[General]", {1, false, 55, ""}},
        {"[general]\nzoom=4", {4, false, 55, ""}},
        {"[General\nzoom=4", {1, false, 55, ""}},
        {"zoom=2\r", {2, false, 55, ""}},
        {"; zoom=4\n# zoom=4\nzoom\n=4\n\x01\xFF", {1, false, 55, ""}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Read("\xEF\xBB\xBFvolume=55\n" + std::string(c.lines)), c.want) << c.lines;
    }
}

TEST(Zoom, StepsFitTheScreenFullScreenCentresAndPlacesMapBackToTheDesign)
{
    using namespace ui::zoom;
    EXPECT_EQ(LargestFitting({640, 481}, {1280, 1024}, 4), 2);
    EXPECT_EQ(LargestFitting({640, 481}, {2560, 1440}, 4), 2) << "481 x 3 is 1443";
    EXPECT_EQ(LargestFitting({640, 481}, {3840, 2160}, 4), 4);
    EXPECT_EQ(LargestFitting({640, 481}, {800, 400}, 4), 1) << "never below 1";
    const Placement full = FullScreen({640, 480}, {2560, 1440});
    EXPECT_EQ(full, (Placement{3, {320, 0}}));
    const auto room45 = ToDesign(full, {640, 480}, 320 + 342 * 3 + 2, 242 * 3);
    ASSERT_TRUE(room45);
    EXPECT_EQ(static_cast<int>(room45->x), 342);
    EXPECT_EQ(room45->y, 242);
    EXPECT_FALSE(ToDesign(full, {640, 480}, 319, 10)) << "the surround is no map";
    EXPECT_EQ(ToScreen({113, 113}, {13, 13}, 2), (Point{213, 213}));
    EXPECT_EQ(FromScreen({214, 213}, {13, 13}, 2), (Point{113, 113}));
    EXPECT_EQ(FromScreen({10, 12}, {13, 13}, 2), (Point{11, 12})) << "left of the anchor stays";
    EXPECT_EQ(OnScreen({13, 13}, {1280, 962}, {0, 0}, {1280, 1024}), (Point{0, 13}));
    EXPECT_EQ(OnScreen({5, 5}, {2000, 2000}, {0, 0}, {1280, 1024}), (Point{0, 0}));
}

}  // namespace
