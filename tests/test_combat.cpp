// The step cost, the skeleton's dice duel and its reward, the endings and the
// new games they begin, and what the player may and may not do meanwhile.
#include "support/GameFixture.h"

#include "core/Texts.h"
#include "core/frmSettings.h"

#include <algorithm>

using sound::Sound;
using testing_support::GameTest;
using testing_support::OpenDungeon;

namespace {

constexpr int kSkeletonRoom = 46;
constexpr int kGorvakRoom = 47;  // next to the skeleton, for walks during its pauses
constexpr int kEmptyRoom = 44;  // next to the start room

// A found skeleton shows for 2 s; a turn is two rolls of 1 s, a 0.5-s pause
// between them and a 1-s pause after the blow.
constexpr double kFound = 2.0;
constexpr double kTurn = 3.5;
constexpr double kAfterRolls = 2.5;

Dungeon Stocked()
{
    Dungeon d = OpenDungeon();
    d.RoomItem[kSkeletonRoom] = ItemSkeleton;
    d.RoomItem[kGorvakRoom] = ItemGorvak;
    d.RoomItem[35] = ItemGold;
    d.RoomItem[55] = ItemSerum;
    d.RoomItem[12] = ItemSpell;
    d.RoomItem[20] = ItemThief;
    d.RoomItem[60] = ItemTeleport;
    return d;
}

class CombatTest : public GameTest {
protected:
    CombatTest()
        : dungeon_(Stocked())
    {
        Start(dungeon_);
    }

    // One roll: nine other faces flicker past, only the tenth counts.
    void PushRoll(int face)
    {
        for (int i = 1; i <= 9; ++i) random.PushDraw(9, (face + i) % 9);
        random.PushDraw(9, face);
    }
    void PushTurn(int player, int skeleton, int damage)
    {
        PushRoll(player);
        PushRoll(skeleton);
        random.PushDraw(5, damage - 1);
    }
    // Times within the walk into the skeleton's room that began at `start`.
    static double Turn(double start, int turn) { return start + kFound + kTurn * turn; }
    static double Blow(double start, int turn) { return Turn(start, turn) + kAfterRolls + 0.5; }

    bool Is(const ui::FakeForm& form, std::string_view name) const
    {
        return &form == &Window(name);
    }
    ui::FakeForm& BattleWindow() const { return Window("frmBattle"); }
    ui::FakeForm& Notice() const { return Window("frmDiscovery"); }
    ui::Picture LastPainted(ui::FakeForm& form) const
    {
        return form.fakeSurface().painted.back().picture;
    }
    std::vector<Sound> SoundsExceptDice() const
    {
        std::vector<Sound> out;
        for (const auto& p : sounds.plays) {
            if (p.sound != Sound::sndDice) out.push_back(p.sound);
        }
        return out;
    }
    // The state every new game has: the file's items in the file's rooms,
    // the player back at the start with fresh statistics.
    void ExpectFreshGame() const
    {
        EXPECT_EQ(game->RoomItem, dungeon_.RoomItem);
        EXPECT_EQ(game->GorvakRoom, kGorvakRoom);
        EXPECT_EQ(Stats().CurrentRoom, 45);
        EXPECT_EQ(Stats().Attack, 100);
        EXPECT_EQ(Stats().Health, 50);
        EXPECT_EQ(Stats().Gold, 60);
        EXPECT_FALSE(Stats().HasBrew);
        EXPECT_FALSE(game->Battling);
        for (int r = 0; r < RoomCount; ++r) {
            Int16 x = 0;
            Int16 y = 0;
            frmGorvak::GetPixelXY(static_cast<Int16>(r), x, y);
            // A painted room's corner is white: only the start room is.
            EXPECT_EQ(MapPixel(x, y) == ui::White, r == 45) << "room " << r;
        }
    }

    Dungeon dungeon_;
};

// --- Walking tires ---------------------------------------------------------

class StepTest : public CombatTest { };

TEST_F(StepTest, EachStepCostsOneAttackAndEveryThirdStepEatsThePie)
{
    int statusShown = 0;
    windows.onModal = [&](ui::FakeForm& form) { statusShown += Is(form, "frmStatus"); };
    const int rooms[] = {kEmptyRoom, 45, kEmptyRoom};
    const int attack[] = {99, 98, 97};
    const int pieSteps[] = {1, 2, 0};
    for (int i = 0; i < 3; ++i) {
        random.PushDraw(10, 0);  // nothing turns up
        WalkTo(rooms[i]);
        EXPECT_EQ(Stats().CurrentRoom, rooms[i]);
        EXPECT_EQ(Stats().Attack, attack[i]);
        EXPECT_EQ(Stats().PieSteps, pieSteps[i]);
    }
    EXPECT_EQ(Stats().Pies, 0);
    EXPECT_EQ(sounds.CountOf(Sound::sndCheckStats), 1) << "the last pie eaten warns";
    EXPECT_EQ(statusShown, 1);
    EXPECT_EQ(sounds.CountOf(Sound::sndWalk), 3);
    for (const auto& p : sounds.plays) {
        if (p.sound == Sound::sndWalk) {
            EXPECT_TRUE(p.StopFirst);
        }
    }

    random.PushDraw(10, 0);
    WalkTo(45);
    EXPECT_EQ(Stats().Attack, 95) << "without a pie a step costs two";
}

TEST_F(StepTest, StepsWarnOnceAttackIsBelowFifteenAndWhenThePiesRunDownToOne)
{
    Stats().Attack = 16;
    Stats().Pies = 2;
    Stats().PieSteps = 1;
    std::vector<int> attackWhenShown;
    windows.onModal = [&](ui::FakeForm& form) {
        if (Is(form, "frmStatus")) attackWhenShown.push_back(Stats().Attack);
    };
    random.PushDraw(10, 0);
    WalkTo(kEmptyRoom);
    EXPECT_EQ(Stats().Attack, 15);
    EXPECT_EQ(sounds.CountOf(Sound::sndCheckStats), 0) << "fifteen is not low yet";
    random.PushDraw(10, 0);
    WalkTo(45);
    EXPECT_EQ(Stats().Attack, 14);
    EXPECT_EQ(Stats().Pies, 1);
    EXPECT_EQ(sounds.CountOf(Sound::sndCheckStats), 2) << "once for attack, once for pies";
    EXPECT_EQ(attackWhenShown, (std::vector<int>{14, 14}));
}

struct LastStep {
    Int16 attack;
    Int16 pies;
    bool dies;
};

class LastStepTest : public CombatTest, public ::testing::WithParamInterface<LastStep> { };

TEST_P(LastStepTest, AStepThatLeavesNoAttackKillsInsteadOfWalking)
{
    Stats().Attack = GetParam().attack;
    Stats().Pies = GetParam().pies;
    const unsigned before = game->GameNumber();
    bool noticeSeen = false;
    windows.onModal = [&](ui::FakeForm& form) {
        if (!Is(form, "frmDiscovery")) return;
        noticeSeen = true;
        EXPECT_EQ(Stats().CurrentRoom, 45) << "the step was not carried out";
        EXPECT_EQ(game->GameNumber(), before) << "the new game waits for the notice";
    };
    random.PushDraw(10, 0);
    WalkTo(kEmptyRoom);
    if (!GetParam().dies) {
        EXPECT_EQ(Stats().CurrentRoom, kEmptyRoom);
        EXPECT_EQ(Stats().Attack, 1);
        EXPECT_FALSE(noticeSeen);
        return;
    }
    EXPECT_TRUE(noticeSeen);
    EXPECT_EQ(sounds.CountOf(Sound::sndWalk), 0);
    EXPECT_EQ(random.draws, 0) << "the room was never entered";
    EXPECT_EQ(game->GameNumber(), before + 1);
    ExpectFreshGame();
    random.PushDraw(10, 0);
    WalkTo(kEmptyRoom);
    EXPECT_EQ(Stats().CurrentRoom, kEmptyRoom) << "the new game goes on";
}

INSTANTIATE_TEST_SUITE_P(Combat, LastStepTest,
                         ::testing::Values(LastStep{1, 1, true}, LastStep{2, 0, true},
                                           LastStep{2, 1, false}));

// --- The duel --------------------------------------------------------------

class DuelTest : public CombatTest { };

TEST_F(DuelTest, AWonDuelTurnByTurn)
{
    // After the step Attack is 99: bonus round(4.95 - 4) = 1.
    PushTurn(2, 3, 3);  // 1 + 2 >= 3: a tie goes to the player; skeleton 5 -> 2
    PushTurn(0, 4, 4);  // 1 + 0 < 4: the player is hit for 4
    PushTurn(5, 1, 2);  // skeleton 2 -> 0: beaten
    random.PushDraw(5, 2);  // reward 7
    const double start = clock.Now();
    struct Seen {
        int attack;
        int health;
        ui::Picture frame;
    };
    std::vector<Seen> seen;
    for (int t = 0; t < 3; ++t) {
        windows.At(Blow(start, t), [&] {
            seen.push_back({Stats().Attack, Stats().Health, LastPainted(BattleWindow())});
        });
    }
    windows.At(Turn(start, 0) + 0.05, [&] {
        EXPECT_EQ(game->RoomItem[kSkeletonRoom], ItemNone) << "emptied before the fight";
        EXPECT_TRUE(BattleWindow().IsVisible());
        EXPECT_FALSE(BattleWindow().modal);
        EXPECT_EQ(BattleWindow().owner, &game->form());
        EXPECT_EQ(BattleWindow().Left(), Main().Left() + 100);
        EXPECT_EQ(BattleWindow().Top(), Main().Top() + 67);
        EXPECT_FALSE(BattleWindow().IsEnabled(cmdOK));
        EXPECT_FALSE(Main().IsEnabled(frmGorvak::cmdShop));
        const auto& printed = BattleWindow().fakeSurface().printed;
        ASSERT_EQ(printed.size(), 1U);
        EXPECT_EQ(printed[0].text, "攻擊力增加了 1");
        EXPECT_EQ(std::tie(printed[0].x, printed[0].y), std::tuple(58, 200));
    });
    windows.At(Turn(start, 3) + 1.0, [&] {
        EXPECT_FALSE(game->Battling);
        EXPECT_TRUE(BattleWindow().IsEnabled(cmdOK));
        EXPECT_EQ(LastPainted(BattleWindow()), ui::imgSkeleton(3));
        for (ui::ControlName b : {frmGorvak::cmdShop, frmGorvak::cmdSpell, frmGorvak::cmdStatus})
            EXPECT_TRUE(Main().IsEnabled(b));
    });

    WalkTo(kSkeletonRoom);

    ASSERT_EQ(seen.size(), 3U);
    EXPECT_EQ(seen[0].attack, 98);
    EXPECT_EQ(seen[0].health, 50);
    EXPECT_EQ(seen[0].frame, ui::imgSkeleton(2));
    EXPECT_EQ(seen[1].attack, 97);
    EXPECT_EQ(seen[1].health, 46);
    EXPECT_EQ(seen[1].frame, ui::imgSkeleton(1));
    EXPECT_EQ(seen[2].attack, 96) << "the winning turn tires too";
    EXPECT_EQ(seen[2].frame, ui::imgSkeleton(2));
    EXPECT_EQ(Stats().Attack, 96);
    EXPECT_EQ(Stats().Health, 46);
    EXPECT_EQ(Stats().Gold, 67);
    EXPECT_EQ(Stats().CurrentRoom, kSkeletonRoom);
    EXPECT_TRUE(random.ScriptUsedUp());
    EXPECT_EQ(SoundsExceptDice(),
              (std::vector<Sound>{Sound::sndWalk, Sound::sndSkeletonHit, Sound::sndPlayerHit,
                                  Sound::sndSkeletonHit, Sound::sndDiscovery}));
    for (const auto& p : sounds.plays) {
        if (p.sound == Sound::sndSkeletonHit || p.sound == Sound::sndPlayerHit) {
            EXPECT_FALSE(p.StopFirst);
        }
    }
    EXPECT_FALSE(BattleWindow().IsLoaded());
}

TEST_F(DuelTest, EachRollShowsTenFacesWithTenRestartedDiceSoundsAndKeepsTheLast)
{
    PushTurn(6, 2, 5);
    random.PushDraw(5, 0);
    std::vector<ui::FakeSurface::Painted> dice;
    std::size_t dicePlays = 0;
    windows.At(Blow(clock.Now(), 0), [&] {
        for (const auto& p : BattleWindow().fakeSurface().painted) {
            if (p.picture != ui::imgSkeleton(2)) dice.push_back(p);
        }
        dicePlays = static_cast<std::size_t>(sounds.CountOf(Sound::sndDice));
    });
    WalkTo(kSkeletonRoom);
    ASSERT_EQ(dice.size(), 20U);
    EXPECT_EQ(dicePlays, 20U);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(dice[i].x, i < 10 ? 48 : 117);
        EXPECT_EQ(dice[i].y, 155);
    }
    EXPECT_EQ(dice[9].picture, ui::imgDice(6));
    EXPECT_EQ(dice[19].picture, ui::imgDice(2));
    for (const auto& p : sounds.plays) {
        if (p.sound == Sound::sndDice) {
            EXPECT_TRUE(p.StopFirst && !p.LoopIt);
        }
    }
}

TEST_F(DuelTest, ALostDuelTurnByTurnEndsInDeathAndANewGame)
{
    Stats().Health = 8;
    PushTurn(0, 8, 5);  // 1 + 0 < 8: hit for 5
    PushTurn(0, 8, 3);  // hit for 3: no health left
    const double start = clock.Now();
    std::vector<std::pair<int, int>> seen;
    for (int t = 0; t < 2; ++t) {
        windows.At(Blow(start, t), [&] { seen.emplace_back(Stats().Attack, Stats().Health); });
    }
    int warnings = 0;
    bool deathSeen = false;
    windows.onModal = [&](ui::FakeForm& form) {
        if (Is(form, "frmStatus")) ++warnings;
        if (!Is(form, "frmDiscovery")) return;
        deathSeen = true;
        EXPECT_FALSE(BattleWindow().IsLoaded()) << "a lost fight closes at once";
        EXPECT_NEAR(clock.Now(), Turn(start, 2), 1e-6) << "no pause after a lost fight";
        EXPECT_EQ(game->RoomItem[kSkeletonRoom], ItemNone);
    };
    WalkTo(kSkeletonRoom);
    EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{98, 3}, {97, 0}}));
    EXPECT_EQ(warnings, 2) << "each blow below fifteen";
    EXPECT_TRUE(deathSeen);
    EXPECT_EQ(sounds.CountOf(Sound::sndDiscovery), 0) << "no reward";
    ExpectFreshGame();
}

TEST_F(DuelTest, ExhaustionEndsTheFightOnlyOnTheSkeletonsBlow)
{
    Stats().Attack = 2;
    Stats().Pies = 0;
    PushTurn(8, 0, 1);  // the player strikes; attack falls to 0, the fight goes on
    PushTurn(0, 8, 1);  // the skeleton strikes: too tired to go on
    game->ToggleButtons(false);
    EXPECT_FALSE(game->DoBattle(0));
    EXPECT_EQ(Stats().Attack, -2);
    EXPECT_EQ(Stats().Health, 49);
    EXPECT_FALSE(game->Battling);
    // A lost fight ends like a won one before the caller takes over.
    EXPECT_TRUE(BattleWindow().IsEnabled(cmdOK));
    EXPECT_EQ(LastPainted(BattleWindow()), ui::imgSkeleton(3));
    EXPECT_TRUE(Main().IsEnabled(frmGorvak::cmdShop));
}

// --- After a won fight -----------------------------------------------------

struct Serum {
    Int16 attack;  // before the one-turn fight, which costs one
    Int16 serum;
    bool drinks;
};

class SerumTest : public CombatTest, public ::testing::WithParamInterface<Serum> { };

TEST_P(SerumTest, ALowAttackAfterAWinDrinksASerumBeforeTheReward)
{
    Stats().Attack = GetParam().attack;
    Stats().Serum = GetParam().serum;
    PutPlayerIn(kSkeletonRoom);
    PushTurn(8, 0, 5);
    if (GetParam().drinks) random.PushDraw(15, 3);  // +18
    random.PushDraw(5, 1);  // reward 6
    windows.onMessageBox = [&](std::string_view) {
        EXPECT_FALSE(BattleWindow().IsLoaded());
        EXPECT_EQ(sounds.CountOf(Sound::sndDiscovery), 0);
    };
    game->FightSkeleton();
    const Int16 after = static_cast<Int16>(GetParam().attack - 1);
    if (GetParam().drinks) {
        ASSERT_EQ(windows.messages.size(), 1U);
        EXPECT_EQ(windows.messages[0], "你喝左一瓶血漿！\r\n+18 攻擊力點數！");
        EXPECT_EQ(Stats().Attack, after + 18);
        EXPECT_EQ(Stats().Serum, GetParam().serum - 1);
    } else {
        EXPECT_TRUE(windows.messages.empty());
        EXPECT_EQ(Stats().Attack, after);
        EXPECT_EQ(Stats().Serum, GetParam().serum);
    }
    EXPECT_EQ(Stats().Gold, 66);
    EXPECT_TRUE(random.ScriptUsedUp());
}

INSTANTIATE_TEST_SUITE_P(Combat, SerumTest,
                         ::testing::Values(Serum{20, 1, true}, Serum{21, 1, false},
                                           Serum{20, 0, false}));

class RewardTest : public CombatTest { };

TEST_F(RewardTest, TheCoinsShowForTwoSecondsBeforeTheyArePaid)
{
    const int coins = 7;
    PushTurn(8, 0, 5);
    random.PushDraw(5, coins - 5);
    const double start = clock.Now();
    const double won = Turn(start, 1);
    windows.At(won + 0.5, [&] { EXPECT_TRUE(BattleWindow().Click(cmdOK)); });
    windows.At(won + 1.0, [&] {
        EXPECT_FALSE(BattleWindow().IsLoaded());
        EXPECT_FALSE(Notice().IsVisible()) << "the reward waits out the 2 s";
    });
    windows.At(won + 3.0, [&] {
        EXPECT_EQ(Stats().Gold, 60) << "not paid yet";
        ASSERT_TRUE(Notice().IsVisible());
        const auto& s = Notice().fakeSurface();
        ASSERT_EQ(s.printed.size(), 1U);
        EXPECT_EQ(s.printed[0].text, std::to_string(coins) + " 個港幣！");
        EXPECT_EQ(s.painted.back().picture, ui::Picture::Gold);
        EXPECT_EQ(std::tie(s.painted.back().x, s.painted.back().y), std::tuple(68, 50));
    });
    WalkTo(kSkeletonRoom);
    EXPECT_EQ(Stats().Gold, 60 + coins);
    EXPECT_NEAR(clock.Now(), won + 4.0, 1e-6);
    EXPECT_FALSE(Notice().IsVisible());
    ASSERT_FALSE(sounds.plays.empty());
    EXPECT_EQ(sounds.plays.back(), (sound::FakeSound::Play{Sound::sndDiscovery, true, false}));
}

// The quick pace shortens the pauses and nothing else: on the same seeded
// dice an encounter ends alike, in statistics, draws, sounds and messages.
// Seed, attack, weapon, pies, serum: wins, a serum drunk, the last, a death.
class PaceTest : public CombatTest,
                 public ::testing::WithParamInterface<std::tuple<double, int, int, int, int>> { };

TEST_P(PaceTest, TheQuickPaceChangesNoOutcome)
{
    auto encounter = [this](BattlePace pace) {
        const auto [seed, attack, weapon, pies, serum] = GetParam();
        random = ui::ScriptedRandom(seed);
        sounds.plays.clear();
        windows.messages.clear();
        Start(dungeon_);
        game->SettingsWindow().Use({1, false, 100, "", pace});
        std::tie(Stats().Attack, Stats().Weapon, Stats().Pies, Stats().Serum) =
            std::tuple<Int16, Int16, Int16, Int16>(attack, weapon, pies, serum);
        WalkTo(kSkeletonRoom);
        return std::tuple(game->GameNumber(), Stats().Gold, Stats().Attack, Stats().Health,
                          Stats().Serum, random.draws, sounds.plays, windows.messages);
    };
    const auto designed = encounter(BattlePace::AsDesigned);
    EXPECT_EQ(encounter(BattlePace::Quick), designed);
}

INSTANTIATE_TEST_SUITE_P(Combat, PaceTest,
                         ::testing::Values(std::tuple(1.0, 100, 0, 1, 0),
                                           std::tuple(2.0, 100, 3, 0, 0),
                                           std::tuple(3.0, 25, 0, 0, 2),
                                           std::tuple(4.0, 12, 0, 0, 1),
                                           std::tuple(6.0, 8, 2, 0, 0)));

// --- What the player can do during a fight ---------------------------------

class FightGuardTest : public CombatTest { };

TEST_F(FightGuardTest, MapClicksAndButtonsDoNothingUntilTheFightIsOver)
{
    PushTurn(0, 8, 1);
    PushTurn(8, 0, 5);
    random.PushDraw(5, 0);
    const double start = clock.Now();
    for (double t : {start + 1.0, Turn(start, 0) + 0.35, Turn(start, 0) + 1.2, Blow(start, 0),
                     Blow(start, 1)}) {
        windows.At(t, [&] {
            ClickRoom(36);
            ClickRoom(kGorvakRoom);
            EXPECT_FALSE(Main().Click(frmGorvak::cmdShop));
            EXPECT_FALSE(Main().Click(frmGorvak::cmdStatus));
        });
    }
    WalkTo(kSkeletonRoom);
    EXPECT_EQ(Stats().CurrentRoom, kSkeletonRoom);
    EXPECT_EQ(sounds.CountOf(Sound::sndWalk), 1);
    EXPECT_EQ(game->RoomItem[kGorvakRoom], ItemGorvak);
    EXPECT_EQ(Stats().Attack, 97) << "one step and two turns, nothing more";
    EXPECT_EQ(Stats().Gold, 65);
}

TEST_F(FightGuardTest, TheBattleWindowRefusesToCloseUntilTheFightIsOver)
{
    PushTurn(0, 8, 1);
    PushTurn(8, 0, 5);
    random.PushDraw(5, 4);
    const double start = clock.Now();
    for (double t : {Turn(start, 0) + 0.25, Blow(start, 0), Blow(start, 1)}) {
        windows.At(t, [&] {
            EXPECT_FALSE(BattleWindow().RequestClose());
            EXPECT_FALSE(BattleWindow().Click(cmdOK));
            EXPECT_TRUE(BattleWindow().IsVisible());
        });
    }
    windows.At(Turn(start, 2) + 0.5, [&] { EXPECT_TRUE(BattleWindow().RequestClose()); });
    WalkTo(kSkeletonRoom);
    EXPECT_EQ(Stats().Gold, 69) << "closing early does not cost the reward";
}

TEST_F(FightGuardTest, ASecondSkeletonMetDuringTheFirstOnesPauseFightsOnAFreshWindow)
{
    PushTurn(8, 0, 5);
    const double start = clock.Now();
    std::vector<std::string> lines;
    std::vector<ui::Picture> frames;
    windows.At(Turn(start, 1) + 1.0, [&] {
        random.PushDraw(10, 5);  // a skeleton turns up next door
        PushTurn(8, 0, 5);
        random.PushDraw(5, 0);  // its reward, paid first
        const double second = clock.Now();
        windows.At(Turn(second, 0) + 0.05, [&] {
            lines = PrintedOn("frmBattle");
            for (const auto& p : BattleWindow().fakeSurface().painted) frames.push_back(p.picture);
            EXPECT_FALSE(BattleWindow().IsEnabled(cmdOK));
        });
        ClickRoom(36);
        random.PushDraw(5, 4);  // the first fight's reward
    });
    WalkTo(kSkeletonRoom);
    EXPECT_EQ(lines, (std::vector<std::string>{"攻擊力增加了 1"})) << "one bonus line, not two";
    EXPECT_EQ(std::count(frames.begin(), frames.end(), ui::imgSkeleton(3)), 0)
        << "the beaten skeleton of the first fight is gone";
    EXPECT_EQ(Stats().Gold, 60 + 5 + 9);
    EXPECT_FALSE(BattleWindow().IsLoaded());
}

struct QuitMoment {
    double offset;  // after the walk began
    bool byButton;
};

class QuitDuringFightTest : public CombatTest, public ::testing::WithParamInterface<QuitMoment> { };

TEST_P(QuitDuringFightTest, QuittingEndsCleanlyWithStatusZero)
{
    PushTurn(0, 8, 1);
    PushTurn(8, 0, 5);
    std::size_t playsAtQuit = 0;
    windows.After(GetParam().offset, [&] {
        ASSERT_TRUE(game->Battling);
        playsAtQuit = sounds.plays.size();
        if (GetParam().byButton) {
            EXPECT_TRUE(Main().Click(frmGorvak::cmdQuit));
        } else {
            windows.Quit(0);
        }
    });
    WalkTo(kSkeletonRoom);  // the quit unwinds to this click and stops there
    EXPECT_TRUE(windows.IsQuitting());
    EXPECT_EQ(windows.ExitStatus(), 0);
    EXPECT_FALSE(BattleWindow().IsLoaded());
    EXPECT_EQ(sounds.plays.size(), playsAtQuit) << "nothing sounded after the quit";
    EXPECT_FALSE(windows.HasPendingActions());
}

INSTANTIATE_TEST_SUITE_P(Combat, QuitDuringFightTest,
                         ::testing::Values(QuitMoment{kFound + 0.35, true},  // first roll
                                           QuitMoment{kFound + 1.25, false},  // between rolls
                                           QuitMoment{kFound + 1.85, true},  // second roll
                                           QuitMoment{kFound + 3.0, false}));  // after the blow

// A won fight's pauses leave the map live; a new game begun meanwhile must
// not get the old fight's serum or coins.
struct LateReward {
    double afterWin;  // 0..2 the pause after the win, 2..4 the reward's window
    bool toDeath;  // else to Zorvath
    Int16 attack;  // before the step into the skeleton's room
    Int16 serum;
};

class LateRewardTest : public CombatTest, public ::testing::WithParamInterface<LateReward> { };

TEST_P(LateRewardTest, ANewGameBegunDuringThePausesKeepsItsOwnState)
{
    const LateReward& c = GetParam();
    Stats().Attack = c.attack;  // the step and the one turn cost two
    Stats().Serum = c.serum;
    PushTurn(8, 0, 5);
    random.PushDraw(15, 0);  // a serum's 15, if drunk
    random.PushDraw(5, 4);
    const double start = clock.Now();
    const unsigned oldGame = game->GameNumber();
    windows.At(Turn(start, 1) + c.afterWin, [&] {
        ClickRoom(c.toDeath ? 36 : kGorvakRoom);
        EXPECT_EQ(game->GameNumber(), oldGame + 1);
    });
    WalkTo(kSkeletonRoom);
    EXPECT_EQ(game->GameNumber(), oldGame + 1);
    EXPECT_FALSE(BattleWindow().IsLoaded());
    const bool rewardBegun = c.afterWin > 2.0;
    EXPECT_EQ(sounds.CountOf(Sound::sndDiscovery), rewardBegun ? 1 : 0);
    EXPECT_EQ(windows.messages.size(), rewardBegun && c.serum > 0 ? 1U : 0U);
    if (!c.toDeath) {
        EXPECT_TRUE(Notice().IsVisible()) << "the old reward leaves the new notice alone";
        EXPECT_EQ(PrintedOn("frmDiscovery").at(1), texts::DefeatLine2);
    }
    ExpectFreshGame();
}

INSTANTIATE_TEST_SUITE_P(Combat, LateRewardTest,
                         ::testing::Values(LateReward{1.0, false, 12, 1},
                                           LateReward{3.0, false, 12, 1},
                                           LateReward{1.0, true, 3, 1},
                                           LateReward{3.0, true, 3, 0}));

// --- The endings -----------------------------------------------------------

class EndingTest : public CombatTest, public ::testing::WithParamInterface<bool> { };

TEST_P(EndingTest, FindingZorvathShowsItsNoticeWhileTheNewGameBegins)
{
    const bool brew = GetParam();
    Stats().HasBrew = brew;
    PutPlayerIn(37);
    const unsigned before = game->GameNumber();
    ClickRoom(kGorvakRoom);
    EXPECT_EQ(game->GameNumber(), before + 1);
    EXPECT_EQ(sounds.plays.back(),
              (sound::FakeSound::Play{brew ? Sound::sndGorvak2 : Sound::sndGorvak, true, false}));
    ui::FakeForm& notice = Notice();
    ASSERT_TRUE(notice.IsVisible()) << "the notice stays while the new game goes on";
    EXPECT_FALSE(notice.modal);
    EXPECT_FALSE(notice.IsControlVisible(cmdOK));
    EXPECT_EQ(notice.Left(), Main().Left() + 100);
    EXPECT_EQ(notice.Top(), Main().Top() + 100);
    const auto& s = notice.fakeSurface();
    ASSERT_FALSE(s.painted.empty());
    EXPECT_EQ(s.painted.back().picture, brew ? ui::Picture::Gorvak0 : ui::Picture::Gorvak1);
    EXPECT_EQ(std::tie(s.painted.back().x, s.painted.back().y), std::tuple(68, 50));
    const std::vector<std::string> lines = brew
        ? std::vector<std::string>{"你找到了《Zorvath》,", "     並殺了《Zorvath》！",
                                   "    和《Zorvath》！"}
        : std::vector<std::string>{"你找到了《Zorvath》,", "但《Zorvath》唔高興!",
                                   "嗚．．．．．．．"};
    ASSERT_EQ(s.printed.size(), 3U);
    const int xs[] = {22, 20, 20};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(s.printed[i].text, lines[i]);
        EXPECT_EQ(std::tie(s.printed[i].x, s.printed[i].y), std::tuple(xs[i], 135 + 20 * i));
    }
    ExpectFreshGame();
}

INSTANTIATE_TEST_SUITE_P(Combat, EndingTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Victory" : "Defeat"; });

class NoticeTest : public CombatTest {
protected:
    NoticeTest()
    {
        Stats().HasBrew = true;
        PutPlayerIn(37);
        ClickRoom(kGorvakRoom);  // the victory notice now shows over a new game
    }
};

TEST_F(NoticeTest, ADeathWhileAVictoryNoticeShowsClosesItAndShowsTheDeathModally)
{
    ASSERT_TRUE(Notice().IsVisible());
    const int loads = Notice().loads;
    Stats().Attack = 1;
    const unsigned before = game->GameNumber();
    std::vector<ui::FakeSurface::Printed> printed;
    std::vector<ui::Picture> pictures;
    bool modal = false;
    windows.onModal = [&](ui::FakeForm& form) {
        if (!Is(form, "frmDiscovery")) return;
        modal = form.modal;
        printed = form.fakeSurface().printed;
        for (const auto& p : form.fakeSurface().painted) pictures.push_back(p.picture);
    };
    WalkTo(kEmptyRoom);
    EXPECT_TRUE(modal);
    EXPECT_EQ(Notice().loads, loads + 1) << "the old notice was closed first";
    EXPECT_EQ(std::count(pictures.begin(), pictures.end(), ui::Picture::Gorvak0), 0);
    EXPECT_EQ(std::count(pictures.begin(), pictures.end(), ui::Picture::Gorvak1), 1);
    ASSERT_EQ(printed.size(), 3U);
    const std::string lines[] = {"你死硬啦！", "做左", "《Zorvath》的美食！"};
    const int xs[] = {26, 24, 24};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(printed[i].text, lines[i]);
        EXPECT_EQ(std::tie(printed[i].x, printed[i].y), std::tuple(xs[i], 135 + 20 * i));
    }
    EXPECT_EQ(sounds.plays.back(), (sound::FakeSound::Play{Sound::sndGorvak, false, false}));
    EXPECT_FALSE(Notice().IsLoaded());
    EXPECT_EQ(game->GameNumber(), before + 1);
    ExpectFreshGame();
}

TEST_F(NoticeTest, TheNextFindReusesTheNoticeWindowAndClosesItAfterItsPause)
{
    const int loads = Notice().loads;
    random.PushDraw(10, 9);  // gold turns up in the empty room
    random.PushDraw(3, 1);  // 3 coins
    windows.After(1.0, [&] {
        ASSERT_TRUE(Notice().IsVisible());
        EXPECT_EQ(Notice().loads, loads) << "the same window";
        EXPECT_FALSE(Notice().IsControlVisible(cmdOK));
        EXPECT_EQ(PrintedOn("frmDiscovery"), (std::vector<std::string>{"3 個港幣！"}));
    });
    WalkTo(kEmptyRoom);
    EXPECT_EQ(Stats().Gold, 63);
    EXPECT_FALSE(Notice().IsLoaded());
}

}  // namespace
