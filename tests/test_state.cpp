// The player's statistics: start values, the clamped adders and their
// low-value warning, the money check, saturation at the 16-bit ends.
#include "support/GameFixture.h"

#include "core/Texts.h"

using sound::Sound;
using testing_support::GameTest;
using testing_support::OpenDungeon;

namespace {

class StatsTest : public GameTest {
protected:
    StatsTest() { Start(OpenDungeon()); }

    int Warnings() const { return sounds.CountOf(Sound::sndCheckStats); }
    int StatusShows() const { return Window("frmStatus").shows; }
};

TEST_F(StatsTest, StartValuesAreTheNewGameOnes)
{
    Stats().Gold = 3;
    Stats().SpellMode = true;
    Stats().HasBrew = true;
    Stats().InitPlayer();
    EXPECT_EQ(Stats().Health, 50);
    EXPECT_EQ(Stats().Attack, 100);
    EXPECT_EQ(Stats().Pies, 1);
    EXPECT_EQ(Stats().Gold, 60);
    EXPECT_EQ(Stats().Spells, 0);
    EXPECT_EQ(Stats().Serum, 0);
    EXPECT_FALSE(Stats().HasBrew);
    EXPECT_EQ(Stats().CurrentRoom, 45);
    EXPECT_EQ(Stats().Weapon, 0);
    EXPECT_EQ(Stats().PieSteps, 0);
    EXPECT_FALSE(Stats().SpellMode);
}

TEST_F(StatsTest, HealthIsCappedAtFiftyAndWarnsBelowFifteen)
{
    Stats().Health = 45;
    Stats().AddHealth(10);
    EXPECT_EQ(Stats().Health, 50);
    Stats().AddHealth(-35);
    EXPECT_EQ(Stats().Health, 15);
    EXPECT_EQ(Warnings(), 0);
    Stats().Health = 50;
    Stats().AddHealth(-36);
    EXPECT_EQ(Stats().Health, 14);
    EXPECT_EQ(Warnings(), 1);
    EXPECT_EQ(StatusShows(), 1);
    // No floor: a heavy blow goes below zero and still warns.
    Stats().AddHealth(-20);
    EXPECT_EQ(Stats().Health, -6);
    EXPECT_EQ(Warnings(), 2);
}

TEST_F(StatsTest, AttackIsCappedAtHundredAndWarnsOnTheValueAfterTheChange)
{
    Stats().Attack = 90;
    Stats().AddAttack(30);
    EXPECT_EQ(Stats().Attack, 100);
    EXPECT_EQ(Warnings(), 0);
    Stats().Attack = 10;
    Stats().AddAttack(0);
    EXPECT_EQ(Warnings(), 1);
    Stats().AddAttack(3);  // a gain that stays low warns too
    EXPECT_EQ(Stats().Attack, 13);
    EXPECT_EQ(Warnings(), 2);
}

TEST_F(StatsTest, PiesNeverGoBelowZeroAndWarnAtZeroAndOne)
{
    Stats().Pies = 0;
    Stats().AddPies(-1);
    EXPECT_EQ(Stats().Pies, 0);
    EXPECT_EQ(Warnings(), 1);
    Stats().Pies = 2;
    Stats().AddPies(-1);
    EXPECT_EQ(Stats().Pies, 1);
    EXPECT_EQ(Warnings(), 2);
    Stats().Pies = 0;
    Stats().AddPies(1);
    EXPECT_EQ(Stats().Pies, 1);
    EXPECT_EQ(Warnings(), 3);
    Stats().AddPies(1);
    EXPECT_EQ(Stats().Pies, 2);
    EXPECT_EQ(Warnings(), 3);
}

TEST_F(StatsTest, TheWarningPlaysItsSoundThenOpensTheStatusWindowModally)
{
    bool soundBeforeWindow = false;
    windows.onModal = [&](ui::FakeForm& form) {
        EXPECT_EQ(form.layout().name, "frmStatus");
        EXPECT_TRUE(form.modal);
        EXPECT_EQ(form.owner, &game->form());
        soundBeforeWindow = sounds.CountOf(Sound::sndCheckStats) == 1;
        // The player's OK is what closes it: the window's own handler.
        EXPECT_TRUE(form.Click(cmdOK));
        EXPECT_FALSE(form.IsLoaded()) << "OK closes the status window";
    };
    Stats().AddAttack(-90);
    EXPECT_TRUE(soundBeforeWindow);
    ASSERT_EQ(sounds.plays.size(), 1U);
    EXPECT_EQ(sounds.plays[0], (sound::FakeSound::Play{Sound::sndCheckStats, false, false}));
    EXPECT_FALSE(Window("frmStatus").IsLoaded());  // closed again before the adder returned
}

TEST_F(StatsTest, CanAffordChecksWithoutPaying)
{
    Stats().Gold = 15;
    EXPECT_TRUE(Stats().CanAfford(15));
    EXPECT_TRUE(windows.messages.empty());
    Stats().Gold = 14;
    EXPECT_FALSE(Stats().CanAfford(15));
    EXPECT_EQ(Stats().Gold, 14);
    ASSERT_EQ(windows.messages.size(), 1U);
    EXPECT_EQ(windows.messages[0], texts::NotEnoughMoney);
    EXPECT_EQ(windows.captions[0], "Gorvak");
}

TEST_F(StatsTest, AdditionsSaturateInsteadOfWrapping)
{
    Stats().Pies = 32765;
    Stats().AddPies(5);
    EXPECT_EQ(Stats().Pies, 32767);
    Stats().Health = -32760;
    Stats().AddHealth(-100);
    EXPECT_EQ(Stats().Health, -32768);
    EXPECT_EQ(SatAdd(32767, 1), 32767);
    EXPECT_EQ(SatAdd(-32768, -1), -32768);
    EXPECT_EQ(SatAdd(100, -32767), -32667);
}

TEST(Rounding, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-3.5), -4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(43.6), 44);
    EXPECT_EQ(RoundHalfEven(43.4), 43);
    EXPECT_EQ(RoundHalfEven(21.5), 22);
    EXPECT_EQ(RoundHalfEven(16.5), 16);
}

}  // namespace

namespace {

// While a modal window or message box is up, no other game window takes
// input: the main window's buttons, map clicks, keys and close box go
// nowhere, and the modal window itself still does.
class ModalityTest : public GameTest {
protected:
    ModalityTest() { Start(OpenDungeon()); }
};

TEST_F(ModalityTest, AMessageBoxKeepsEveryOtherWindowFromInput)
{
    bool clicked = true;
    bool closed = true;
    windows.onMessageBox = [&](std::string_view) {
        clicked = Main().Click(frmGorvak::cmdStatus);
        Main().MouseDown(386, 242);  // the room east of the start
        Main().KeyDown(ui::Key::Down);
        closed = Main().RequestClose();
    };
    Main().Click(frmGorvak::cmdSpell);  // no charm: a message box
    EXPECT_EQ(windows.messages, std::vector<std::string>{std::string(texts::NoCharm)});
    EXPECT_FALSE(clicked);
    EXPECT_FALSE(closed);
    EXPECT_EQ(Stats().CurrentRoom, 45);
    EXPECT_EQ(Window("frmStatus").shows, 0);
    EXPECT_EQ(windows.droppedInputs, 4);
    EXPECT_FALSE(windows.IsQuitting());
}

TEST_F(ModalityTest, TheStatusWindowTakesItsOwnClicksButNotTheMainWindows)
{
    bool mainClicked = true;
    bool okClicked = false;
    windows.onModal = [&](ui::FakeForm& form) {
        mainClicked = Main().Click(frmGorvak::cmdShop);
        okClicked = form.Click(cmdOK);
    };
    Main().Click(frmGorvak::cmdStatus);
    EXPECT_FALSE(mainClicked);
    EXPECT_TRUE(okClicked);
    EXPECT_FALSE(Window("frmShoppe").IsVisible());
    EXPECT_TRUE(Main().Click(frmGorvak::cmdShop)) << "input comes back once it is closed";
    EXPECT_TRUE(Window("frmShoppe").IsVisible());
}

}  // namespace
