// The player's settings file: what each line gives, bad values one by one.
#include "core/Settings.h"
#include "ui/Zoom.h"

#include <gtest/gtest.h>

namespace {

const std::string kSpoken[] = {"zh_HK", "en", "zh_CN"};

Settings Read(std::string_view file) { return ReadSettings(ParseSettingsFile(file), kSpoken); }

TEST(Settings, WhatIsWrittenReadsBackTheSame)
{
    const Settings chosen{3, true, 40, "en"};
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

}  // namespace

namespace {

using namespace ui::zoom;

TEST(Zoom, TheLargestStepIsTheLargestAtWhichTheWindowFits)
{
    EXPECT_EQ(LargestFitting({640, 481}, {1280, 1024}, 4), 2);
    EXPECT_EQ(LargestFitting({640, 481}, {2560, 1440}, 4), 2) << "481 x 3 is 1443";
    EXPECT_EQ(LargestFitting({640, 481}, {3840, 2160}, 4), 4);
    EXPECT_EQ(LargestFitting({640, 481}, {7680, 4320}, 4), 4);
    EXPECT_EQ(LargestFitting({640, 481}, {800, 400}, 4), 1) << "never below 1";
}

TEST(Zoom, FullScreenCentresTheLargestWholeFactor)
{
    EXPECT_EQ(FullScreen({640, 480}, {2560, 1440}), (Placement{3, {320, 0}}));
    EXPECT_EQ(FullScreen({640, 480}, {1280, 1024}), (Placement{2, {0, 32}}));
    EXPECT_EQ(FullScreen({640, 480}, {3840, 2160}), (Placement{4, {640, 120}}));
    const Placement p{3, {320, 0}};
    const auto room45 = ToDesign(p, {640, 480}, 320 + 342 * 3 + 1, 242 * 3 + 2);
    ASSERT_TRUE(room45);
    EXPECT_FLOAT_EQ(room45->x, 342 + 1 / 3.0f);
    EXPECT_FLOAT_EQ(room45->y, 242 + 2 / 3.0f);
    EXPECT_FALSE(ToDesign(p, {640, 480}, 319, 10)) << "the surround is no map";
    EXPECT_FALSE(ToDesign(p, {640, 480}, 320 + 1920, 10));
}

TEST(Zoom, WindowsKeepTheirPlaceOverTheMainWindowAndStayOnTheScreen)
{
    const Point anchor{13, 13};
    EXPECT_EQ(ToScreen({113, 113}, anchor, 2), (Point{213, 213}));
    EXPECT_EQ(FromScreen({213, 214}, anchor, 2), (Point{113, 113}));
    EXPECT_EQ(FromScreen({10, 12}, anchor, 2), (Point{11, 12}));
    EXPECT_EQ(OnScreen({13, 13}, {1280, 962}, {0, 0}, {1280, 1024}), (Point{0, 13}));
    EXPECT_EQ(OnScreen({-50, 900}, {400, 440}, {0, 0}, {1280, 1024}), (Point{0, 584}));
    EXPECT_EQ(OnScreen({5, 5}, {2000, 2000}, {0, 0}, {1280, 1024}), (Point{0, 0}));
}

}  // namespace
