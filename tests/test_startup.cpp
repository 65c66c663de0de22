// Start-up, the shuffle, routing of map clicks, the pause, the status window
// and quitting.
#include "support/GameFixture.h"

#include "core/Texts.h"
#include "core/frmSettings.h"

#include <algorithm>

using sound::Sound;
using testing_support::FromText;
using testing_support::GameTest;
using testing_support::OpenDungeon;

namespace {

Dungeon Stocked()
{
    Dungeon d = OpenDungeon();
    d.RoomItem[45] = ItemSerum;  // the start room keeps whatever the file says
    d.RoomItem[3] = ItemGorvak;
    d.RoomItem[10] = ItemSkeleton;
    d.RoomItem[11] = ItemSkeleton;
    d.RoomItem[20] = ItemTeleport;
    d.RoomItem[30] = ItemThief;
    d.RoomItem[40] = ItemGold;
    d.RoomItem[50] = ItemSpell;
    return d;
}

class StartupTest : public GameTest { };

TEST_F(StartupTest, TheShuffleMovesItemsButKeepsTheStartRoomsAndTheSet)
{
    const Dungeon d = Stocked();
    Load(d);
    EXPECT_FALSE(windows.IsQuitting());
    EXPECT_EQ(game->RoomItem[45], ItemSerum);
    auto sorted = [](std::array<Int16, RoomCount> items) {
        std::sort(items.begin(), items.end());
        return items;
    };
    EXPECT_EQ(sorted(game->RoomItem), sorted(d.RoomItem));
    EXPECT_NE(game->RoomItem, d.RoomItem);
    EXPECT_EQ(game->RoomItem[game->GorvakRoom], ItemGorvak) << "the monster's room follows it";
    EXPECT_FALSE(game->Shuffling);
    EXPECT_TRUE(Main().IsEnabled(frmGorvak::cmdShop));
    EXPECT_TRUE(Main().IsVisible());
}

// No settings yet: the card opens after the shuffle, the settings saved first.
TEST_F(StartupTest, OnlyAFirstStartOpensTheCardAfterTheShuffleSavingFirst)
{
    for (const bool first : {true, false}) {
        int saved = 0;
        int cards = 0;
        windows.onModal = [&](ui::FakeForm& form) {
            cards += form.layout().name == "frmHowToPlay";
            EXPECT_FALSE(game->Shuffling);
            EXPECT_EQ(saved, 1);
        };
        Load(Stocked(), [&](frmGorvak& g) {
            g.FirstStart = first;
            g.SettingsWindow().onChanged = [&saved](const Settings&) { ++saved; };
        });
        EXPECT_EQ(std::pair(cards, saved), first ? std::pair(1, 1) : std::pair(0, 0));
    }
}

TEST_F(StartupTest, EmptyPlacesNeverTakePartInTheShuffle)
{
    Dungeon d = FromText("ES:. EW:. ESW:. EW:. EW:. EW:. EW:. EW:. EW:. SW:z\n"
                         "NS:. .:g  NS:.  .:.  .:.  .:.  .:.  .:.  .:.  NS:.\n"
                         "NS:. .:.  NS:.  .:.  .:.  .:.  .:.  .:.  .:.  NS:.\n"
                         "NS:. .:.  NS:.  .:.  .:.  .:.  .:.  .:.  .:.  NS:.\n"
                         "NES:. EW:. NESW:. EW:. EW:. ESW:. EW:. EW:. EW:. NSW:.\n"
                         "NS:. .:.  NS:.  .:.  .:.  NS:.  .:.  .:.  .:.  NS:.\n"
                         "NS:. .:.  NS:.  .:.  .:.  NS:.  .:.  .:.  .:.  NS:.\n"
                         "NE:. EW:. NEW:. EW:. EW:. NEW:. EW:. EW:. EW:. NW:.\n");
    Load(d);
    ASSERT_TRUE(windows.messages.empty()) << windows.messages.front();
    EXPECT_EQ(game->RoomItem[11], ItemGold) << "an item in a place with no room stays there";
    for (int r = 0; r < RoomCount; ++r) {
        if (d.RoomType[r] == 0 && r != 11) {
            EXPECT_EQ(game->RoomItem[r], ItemNone);
        }
    }
}

TEST_F(StartupTest, TheShuffleBlinksEachSwappedPairWhiteThenGrey)
{
    Load(Stocked());
    EXPECT_GT(windows.waits, 100) << "each blink pauses";
    EXPECT_EQ(MapPixel(106 + 16, 50 + 16), grid::EmptyCellGrey) << "blinks leave the cells grey";
}

TEST_F(StartupTest, MapClicksDuringTheShuffleAreIgnoredAndButtonsStayOff)
{
    bool checked = false;
    windows.At(clock.Now() + 0.01, [&] {
        EXPECT_TRUE(game->Shuffling);
        EXPECT_FALSE(Main().IsEnabled(frmGorvak::cmdShop));
        EXPECT_FALSE(Main().IsEnabled(frmGorvak::cmdSpell));
        EXPECT_FALSE(Main().IsEnabled(frmGorvak::cmdStatus));
        EXPECT_TRUE(Main().IsEnabled(frmGorvak::cmdQuit));
        ClickRoom(46);
        ClickRoom(44);
        checked = true;
    });
    Load(OpenDungeon());
    EXPECT_TRUE(checked);
    EXPECT_EQ(Stats().CurrentRoom, 45);
    EXPECT_EQ(Stats().Attack, 100);
    EXPECT_TRUE(windows.messages.empty());
}

TEST_F(StartupTest, QuittingDuringTheShuffleEndsAtOnceWithStatusZero)
{
    windows.At(clock.Now() + 0.02, [&] { EXPECT_TRUE(Main().Click(frmGorvak::cmdQuit)); });
    Load(Stocked());
    EXPECT_TRUE(windows.IsQuitting());
    EXPECT_EQ(windows.ExitStatus(), 0);
    EXPECT_TRUE(game->Shuffling) << "the shuffle did not run on after the quit";
    EXPECT_FALSE(Main().IsLoaded());
    EXPECT_FALSE(windows.HasPendingActions());
}

TEST_F(StartupTest, NoSoundDeviceEndsBeforeAnyWindowWithItsMessage)
{
    sounds.loadResult = sound::LoadResult::DeviceFailed;
    Load(OpenDungeon());
    ASSERT_EQ(windows.messages.size(), 1U);
    EXPECT_EQ(windows.messages[0], texts::SoundInitFailed);
    EXPECT_EQ(windows.ExitStatus(), 1);
    EXPECT_FALSE(Main().IsVisible());
    EXPECT_TRUE(random.seeds.empty()) << "the dungeon was never read";
}

TEST_F(StartupTest, AMissingSoundFileEndsBeforeAnyWindowWithItsMessage)
{
    sounds.loadResult = sound::LoadResult::FileMissing;
    Load(OpenDungeon());
    ASSERT_EQ(windows.messages.size(), 1U);
    EXPECT_EQ(windows.messages[0], texts::SoundFileMissing);
    EXPECT_EQ(windows.ExitStatus(), 1);
    EXPECT_FALSE(Main().IsVisible());
}

class RoutingTest : public GameTest {
protected:
    RoutingTest() { Start(OpenDungeon()); }
};

TEST_F(RoutingTest, ClicksWhileBattlingChangeNothing)
{
    game->Battling = true;
    ClickRoom(46);
    Main().MouseDown(50, 50);
    EXPECT_EQ(Stats().CurrentRoom, 45);
    EXPECT_TRUE(windows.messages.empty());
    EXPECT_TRUE(sounds.plays.empty());
}

TEST_F(RoutingTest, EveryMouseButtonWalks)
{
    random.PushDraw(10, 0);  // nothing turns up in the new room
    Int16 x = 0;
    Int16 y = 0;
    frmGorvak::GetPixelXY(46, x, y);
    Main().MouseDown(x + 16.0f, y + 16.0f, 2);
    EXPECT_EQ(Stats().CurrentRoom, 46);
}

TEST_F(RoutingTest, AnArmedCharmTakesTheClickEvenOffTheMap)
{
    Stats().SpellMode = true;
    Main().MouseDown(20, 20);  // off the map: ignored, still armed
    EXPECT_TRUE(Stats().SpellMode);
    EXPECT_TRUE(windows.messages.empty());
    random.PushDraw(10, 0);
    ClickRoom(12);
    EXPECT_EQ(Stats().CurrentRoom, 12);
    EXPECT_FALSE(Stats().SpellMode);
    EXPECT_EQ(Stats().Attack, 100) << "a charm move costs no step";
}

TEST_F(RoutingTest, ButtonsToggleTogetherAndQuitNeverDoes)
{
    game->ToggleButtons(false);
    for (ui::ControlName b : {frmGorvak::cmdShop, frmGorvak::cmdSpell, frmGorvak::cmdStatus})
        EXPECT_FALSE(Main().IsEnabled(b));
    EXPECT_TRUE(Main().IsEnabled(frmGorvak::cmdQuit));
    EXPECT_FALSE(Main().Click(frmGorvak::cmdStatus)) << "a disabled button cannot be pressed";
    game->ToggleButtons(true);
    for (ui::ControlName b : {frmGorvak::cmdShop, frmGorvak::cmdSpell, frmGorvak::cmdStatus})
        EXPECT_TRUE(Main().IsEnabled(b));
}

TEST_F(RoutingTest, TheQuitButtonAndTheCloseBoxBothEndWithStatusZero)
{
    EXPECT_TRUE(Main().RequestClose());
    EXPECT_TRUE(windows.IsQuitting());
    EXPECT_EQ(windows.ExitStatus(), 0);
}

class DelayTest : public GameTest {
protected:
    DelayTest() { Start(OpenDungeon()); }
};

TEST_F(DelayTest, LastsItsFullTimeEvenWhenWaitsEndEarly)
{
    windows.waitShare = 0.3;  // a coarse timer firing early
    const double start = clock.Now();
    game->Delay(2);
    EXPECT_GE(clock.Now() - start, 2.0);
    EXPECT_LT(clock.Now() - start, 2.01);
    EXPECT_GT(windows.waits, 1);
}

TEST_F(DelayTest, HandlesClicksThenAndThere)
{
    random.PushDraw(10, 0);
    double walkedAt = 0;
    windows.After(0.5, [&] {
        ClickRoom(46);
        walkedAt = clock.Now();
    });
    const double start = clock.Now();
    game->Delay(2);
    EXPECT_EQ(Stats().CurrentRoom, 46);
    EXPECT_NEAR(walkedAt - start, 0.5, 1e-9);
}

TEST_F(DelayTest, EndsOnTimeAcrossMidnight)
{
    ui::FakeClock lateClock(86399.5);
    ui::FakeWindowSystem lateWindows(lateClock, &testing_support::ShippedPictures());
    WriteDungeon(OpenDungeon());
    frmGorvak late(Services{lateWindows, lateClock, random, sounds});
    const double start = lateClock.Now();
    late.Delay(2);
    EXPECT_NEAR(lateClock.Now() - start, 2.0, 1e-9);
    EXPECT_LT(lateClock.SecondsSinceMidnight(), 2.0) << "the day did roll over";
}

TEST_F(DelayTest, StopsAtOnceWhenTheProgramEnds)
{
    windows.After(0.5, [&] { Main().Click(frmGorvak::cmdQuit); });
    const double start = clock.Now();
    EXPECT_THROW(game->Delay(10), ui::ProgramEnding);
    EXPECT_LT(clock.Now() - start, 0.6);
}

class StatusWindowTest : public GameTest {
protected:
    StatusWindowTest() { Start(OpenDungeon()); }
};

TEST_F(StatusWindowTest, ListsTheEightStatisticsAtTheirPlaces)
{
    std::vector<ui::FakeSurface::Printed> seen;
    windows.onModal = [&](ui::FakeForm& form) {
        EXPECT_EQ(form.layout().name, "frmStatus");
        EXPECT_EQ(form.owner, &game->form());
        seen = form.fakeSurface().printed;
    };
    EXPECT_TRUE(Main().Click(frmGorvak::cmdStatus));
    const std::vector<std::string> expected = {"生命值: 50",
                                               "攻擊力: 100",
                                               "餡餅: 1",
                                               "港幣: 60",
                                               "對付Krellik符咒: 0",
                                               "血漿: 0",
                                               "對付《Zorvath》的東西: 0",
                                               "武器: 0"};
    ASSERT_EQ(seen.size(), expected.size());
    for (std::size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i].text, expected[i]);
        EXPECT_EQ(seen[i].x, 50);
        EXPECT_EQ(seen[i].y, 50 + 15 * static_cast<int>(i));
    }
    EXPECT_FALSE(Window("frmStatus").IsLoaded());
}

TEST_F(StatusWindowTest, ShowsTheValuesOfTheMomentEachTimeWithBrewAsOneAndMinusSigns)
{
    std::vector<std::string> seen;
    windows.onModal = [&](ui::FakeForm& form) {
        seen.clear();
        for (const auto& p : form.fakeSurface().printed) seen.push_back(p.text);
    };
    Main().Click(frmGorvak::cmdStatus);
    Stats().HasBrew = true;
    Stats().Health = -4;
    Stats().Weapon = 3;
    Main().Click(frmGorvak::cmdStatus);
    ASSERT_EQ(seen.size(), 8U) << "a fresh window each time, not the lines of the last";
    EXPECT_EQ(seen[0], "生命值: -4");
    EXPECT_EQ(seen[6], "對付《Zorvath》的東西: 1");
    EXPECT_EQ(seen[7], "武器: 3");
}

TEST_F(StatusWindowTest, QuittingWhileItIsOpenUnwindsTheCaller)
{
    windows.onModal = [&](ui::FakeForm&) { windows.Quit(0); };  // a signal, say
    EXPECT_THROW(game->cmdStatus_Click(), ui::ProgramEnding);
    EXPECT_EQ(windows.ExitStatus(), 0);
}

}  // namespace
