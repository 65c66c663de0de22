// The player's screen and settings from the keys and the settings window:
// each change taken into use at once and handed on to be saved; the look
// only, never the game.
#include "support/GameFixture.h"

#include "core/frmSettings.h"

using testing_support::GameTest;
using testing_support::OpenDungeon;

namespace {

class SettingsWindowTest : public GameTest {
protected:
    SettingsWindowTest()
    {
        Start(OpenDungeon());
        game->SettingsWindow().onChanged = [this](const Settings& s) { saved.push_back(s); };
    }
    std::vector<Settings> saved;
};

TEST_F(SettingsWindowTest, TheKeysStepTheZoomWithinWhatTheScreenHoldsAndFullScreenHoldsItStill)
{
    windows.largestZoom = 3;
    const std::pair<ui::Command, int> steps[] = {
        {ui::Command::ZoomIn, 2},  {ui::Command::ZoomIn, 3},    {ui::Command::ZoomIn, 3},
        {ui::Command::ZoomOut, 2}, {ui::Command::ZoomReset, 1}, {ui::Command::ZoomOut, 1}};
    for (const auto& [key, zoom] : steps) {
        windows.Press(key);
        EXPECT_EQ(windows.Zoom(), zoom);
    }
    ASSERT_EQ(saved.size(), 4u) << "a key that changes nothing saves nothing";
    EXPECT_EQ(saved[1].zoom, 3);
    windows.Press(ui::Command::ZoomIn);
    windows.Press(ui::Command::FullScreen);
    windows.Press(ui::Command::ZoomIn);
    EXPECT_TRUE(windows.IsFullScreen());
    EXPECT_EQ(windows.Zoom(), 2);
    EXPECT_EQ(saved.back(), (Settings{2, true, 100, ""}));
    windows.Press(ui::Command::FullScreen);
    EXPECT_FALSE(windows.IsFullScreen());
}

TEST_F(SettingsWindowTest, AZoomSavedOnALargerScreenIsDrawnAtTheLargestThatFitsAndKept)
{
    game->SettingsWindow().Use({4, false, 30, ""});
    EXPECT_EQ(windows.Zoom(), 2);
    EXPECT_EQ(sounds.volume, 30);
    EXPECT_TRUE(saved.empty());
}

TEST_F(SettingsWindowTest, TheWindowOpensOverTheGameByKeyOrVersionLineAndChangesAtOnce)
{
    int opened = 0;
    int cards = 0;
    windows.onModal = [&](ui::FakeForm& form) {
        if (form.layout().name == "frmHowToPlay") return void(++cards);
        ++opened;
        EXPECT_EQ(form.layout().name, "frmSettings");
        EXPECT_EQ(form.owner, &game->form());
        EXPECT_FALSE(form.IsEnabled(frmSettings::cmdZoomOut)) << "already the smallest";
        form.Click(frmSettings::cmdVolumeDown);
        form.Click(frmSettings::cmdVolumeDown);
        form.Click(frmSettings::cmdZoomIn);
        EXPECT_EQ(form.Text(frmSettings::lblVolumeValue), std::to_string(sounds.volume) + "%");
        EXPECT_EQ(form.Text(frmSettings::lblZoomValue), "2 倍");
        EXPECT_FALSE(form.IsEnabled(frmSettings::cmdZoomIn)) << "the screen holds no more";
        form.Click(frmSettings::cmdZoomOut);
        if (opened == 1) form.Click(frmSettings::cmdPace);
        form.Click(frmSettings::cmdHowToPlay);
        form.Click(frmSettings::cmdOK);
        EXPECT_FALSE(form.IsVisible());
    };
    windows.Press(ui::Command::Settings);
    EXPECT_EQ(sounds.volume, 80);
    Main().Click(frmGorvak::lblVersion);
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(cards, 2) << "its button does what F1 does";
    EXPECT_EQ(sounds.volume, 60);
    EXPECT_EQ(saved.back(), (Settings{1, false, 60, "", BattlePace::Quick}));
    EXPECT_EQ(Stats().CurrentRoom, 45) << "the version line is no map";
}

}  // namespace
