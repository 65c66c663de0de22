// The town: the hub and its three departments, what every ware costs and
// does, and a whole game won with the thing bought against Zorvath.
#include "support/GameFixture.h"

#include "core/Texts.h"
#include "town/frmMagic.h"

#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

using sound::Sound;
using testing_support::GameTest;
using testing_support::OpenDungeon;

namespace {

struct Ware {
    const char* department;  // the hub's button
    const char* window;
    const char* button;
    Int16 price;
};

constexpr Ware kWares[] = {
    {"cmdHealth", "frmHealth", "cmdPie", 10},    {"cmdHealth", "frmHealth", "cmdLodge", 15},
    {"cmdHealth", "frmHealth", "cmdDoctor", 15}, {"cmdMagic", "frmMagic", "cmdSpell", 10},
    {"cmdMagic", "frmMagic", "cmdAdvice", 20},   {"cmdMagic", "frmMagic", "cmdBrew", 80},
    {"cmdWeapon", "frmWeapons", "cmdClub", 15},  {"cmdWeapon", "frmWeapons", "cmdKnife", 40},
    {"cmdWeapon", "frmWeapons", "cmdSword", 60},
};

const Ware& WareOf(std::string_view button)
{
    for (const Ware& w : kWares) {
        if (w.button == button) return w;
    }
    throw std::logic_error("no ware " + std::string(button));
}

// Everything a purchase could touch.
auto Snapshot(const Module1& s)
{
    return std::tuple(s.Health, s.Attack, s.Pies, s.Gold, s.Spells, s.Serum, s.HasBrew,
                      s.CurrentRoom, s.Weapon, s.PieSteps, s.SpellMode);
}

std::string Lodged(int n)
{
    return std::string(texts::Lodged) + "\r\n\r\n" + std::string(texts::Added) + std::to_string(n) +
        std::string(texts::LodgeSuffix);
}

std::string Doctored(int n)
{
    return std::string(texts::Doctored) + "\r\n\r\n" + std::string(texts::Added) +
        std::to_string(n) + std::string(texts::DoctorSuffix);
}

class TownTest : public GameTest {
protected:
    TownTest() { Start(OpenDungeon()); }

    // Into the town and up to a counter, by the buttons a player presses.
    bool Enter(const char* department)
    {
        return Main().Click("cmdShop") && Window("frmShoppe").Click(department);
    }
    bool Buy(std::string_view button)
    {
        const Ware& w = WareOf(button);
        return Enter(w.department) && Window(w.window).Click(w.button);
    }
    // One turn the hero wins outright: his last die 8, the skeleton's 0,
    // and a blow of 5.
    void ScriptOneTurnWin()
    {
        for (int i = 0; i < 10; ++i) random.PushDraw(9, 8);
        for (int i = 0; i < 10; ++i) random.PushDraw(9, 0);
        random.PushDraw(5, 4);
    }
};

// --- paying ---------------------------------------------------------------

class PurchaseTest : public TownTest { };

TEST_F(PurchaseTest, EveryWareSellsForExactlyItsPriceAndRingsTheTillOnce)
{
    for (const Ware& w : kWares) {
        SCOPED_TRACE(w.button);
        Stats().InitPlayer();
        Stats().Gold = w.price;
        sounds.plays.clear();
        random.ClearScript();
        random.Push(0.25);  // lodging and the doctor draw their amount
        ASSERT_TRUE(Buy(w.button));
        EXPECT_EQ(Stats().Gold, 0);
        EXPECT_EQ(sounds.plays,
                  (std::vector<sound::FakeSound::Play>{{Sound::sndShop, false, false}}));
        EXPECT_FALSE(Window(w.window).IsLoaded()) << "the counter closes on every purchase";
        EXPECT_FALSE(Window("frmShoppe").IsLoaded());
    }
}

TEST_F(PurchaseTest, OneCoinShortBuysNothingAndClosesTheCounterBeforeSayingSo)
{
    for (const Ware& w : kWares) {
        SCOPED_TRACE(w.button);
        Stats().InitPlayer();
        Stats().Gold = static_cast<Int16>(w.price - 1);
        sounds.plays.clear();
        windows.messages.clear();
        random.ClearScript();
        const auto before = Snapshot(Stats());
        const int draws = random.draws;
        bool closedFirst = false;
        windows.onMessageBox = [&](std::string_view) {
            closedFirst = !Window(w.window).IsLoaded();
        };
        ASSERT_TRUE(Buy(w.button));
        EXPECT_EQ(windows.messages, std::vector<std::string>{std::string(texts::NotEnoughMoney)});
        EXPECT_TRUE(closedFirst);
        EXPECT_EQ(Snapshot(Stats()), before);
        EXPECT_TRUE(sounds.plays.empty());
        EXPECT_EQ(random.draws, draws) << "no amount is drawn for a purchase that fails";
    }
}

TEST_F(PurchaseTest, APurchaseCannotStartWhileTheMainButtonsAreOff)
{
    game->ToggleButtons(false);
    EXPECT_FALSE(Main().Click("cmdShop"));
    EXPECT_FALSE(Window("frmShoppe").IsLoaded());
    EXPECT_FALSE(Window("frmShoppe").Click("cmdHealth")) << "a closed hub takes no clicks";
    EXPECT_FALSE(Window("frmHealth").Click("cmdLodge"));
    EXPECT_EQ(Stats().Gold, 60);
    EXPECT_TRUE(sounds.plays.empty());
}

TEST_F(PurchaseTest, NoShoppingDuringAFightButAgainOnceItIsWon)
{
    Dungeon d = OpenDungeon();
    d.RoomItem[46] = ItemSkeleton;
    Start(d);
    ScriptOneTurnWin();
    bool tried = false;
    windows.After(2.5, [&] {
        EXPECT_TRUE(game->Battling);
        EXPECT_FALSE(Main().Click("cmdShop"));
        EXPECT_FALSE(Window("frmShoppe").IsLoaded());
        tried = true;
    });
    ClickRoom(46);
    ASSERT_TRUE(tried);
    EXPECT_FALSE(game->Battling);
    const Int16 gold = Stats().Gold;
    EXPECT_TRUE(Buy("cmdPie"));
    EXPECT_EQ(Stats().Gold, gold - 10);
}

// --- the health department ------------------------------------------------

class HealthTest : public TownTest { };

TEST_F(HealthTest, PiesComeInFivesWithoutAWord)
{
    Stats().Pies = 0;
    ASSERT_TRUE(Buy("cmdPie"));
    EXPECT_EQ(Stats().Pies, 5);
    EXPECT_TRUE(windows.messages.empty());
}

TEST_F(HealthTest, ANightsLodgingGivesTwentyOneOrTwentyTwoTheHalfGoingUp)
{
    const std::pair<double, int> cases[] = {{0.0, 21}, {0.4999, 21}, {0.5, 22}, {0.9999, 22}};
    for (const auto& [u, n] : cases) {
        SCOPED_TRACE(u);
        Stats().Attack = 50;
        Stats().Gold = 15;
        windows.messages.clear();
        random.Push(u);
        ASSERT_TRUE(Buy("cmdLodge"));
        EXPECT_EQ(Stats().Attack, 50 + n);
        EXPECT_EQ(windows.messages, std::vector<std::string>{Lodged(n)});
    }
}

TEST_F(HealthTest, TheDoctorGivesSixteenOrSeventeenTheHalfGoingDown)
{
    const std::pair<double, int> cases[] = {{0.0, 16}, {0.5, 16}, {0.5001, 17}, {0.9999, 17}};
    for (const auto& [u, n] : cases) {
        SCOPED_TRACE(u);
        Stats().Health = 20;
        Stats().Gold = 15;
        windows.messages.clear();
        random.Push(u);
        ASSERT_TRUE(Buy("cmdDoctor"));
        EXPECT_EQ(Stats().Health, 20 + n);
        EXPECT_EQ(windows.messages, std::vector<std::string>{Doctored(n)});
    }
}

TEST_F(HealthTest, TheMessageNamesTheFullAmountEvenWhenTheCapTakesSome)
{
    Stats().Attack = 95;
    Stats().Health = 45;
    random.Push({0.5, 0.9});
    ASSERT_TRUE(Buy("cmdLodge"));
    ASSERT_TRUE(Buy("cmdDoctor"));
    EXPECT_EQ(Stats().Attack, 100);
    EXPECT_EQ(Stats().Health, 50);
    EXPECT_EQ(windows.messages, (std::vector<std::string>{Lodged(22), Doctored(17)}));
    EXPECT_EQ(Stats().Gold, 30);
}

TEST_F(HealthTest, AValueStillLowAfterwardsOpensTheStatusWindowBeforeTheMessage)
{
    // A fight tires the hero every turn and only stops on a lost turn, so a
    // won fight can leave attack below zero.
    std::vector<std::string> seen;
    windows.onModal = [&](ui::FakeForm& form) { seen.push_back(form.layout().name); };
    windows.onMessageBox = [&](std::string_view text) { seen.emplace_back(text); };
    Stats().Attack = -7;
    random.Push(0.0);
    ASSERT_TRUE(Buy("cmdLodge"));
    EXPECT_EQ(Stats().Attack, 14);
    EXPECT_EQ(seen, (std::vector<std::string>{"frmStatus", Lodged(21)}));
    EXPECT_EQ(sounds.plays.back(), (sound::FakeSound::Play{Sound::sndCheckStats, false, false}));

    seen.clear();
    Stats().Attack = -6;
    random.Push(0.0);
    ASSERT_TRUE(Buy("cmdLodge"));
    EXPECT_EQ(Stats().Attack, 15);
    EXPECT_EQ(seen, std::vector<std::string>{Lodged(21)}) << "fifteen is not low";
}

// --- the magic department -------------------------------------------------

class MagicTest : public TownTest { };

TEST_F(MagicTest, CharmsAddOneAndStopAtTheTopWhileStillCosting)
{
    ASSERT_TRUE(Buy("cmdSpell"));
    EXPECT_EQ(Stats().Spells, 1);
    Stats().Spells = 32767;
    ASSERT_TRUE(Buy("cmdSpell"));
    EXPECT_EQ(Stats().Spells, 32767);
    EXPECT_EQ(Stats().Gold, 40);
    EXPECT_TRUE(windows.messages.empty());
}

TEST_F(MagicTest, TheBrewIsHadOnceButPaidForEveryTime)
{
    Stats().Gold = 160;
    ASSERT_TRUE(Buy("cmdBrew"));
    EXPECT_TRUE(Stats().HasBrew);
    ASSERT_TRUE(Buy("cmdBrew"));
    EXPECT_TRUE(Stats().HasBrew);
    EXPECT_EQ(Stats().Gold, 0);
    EXPECT_EQ(windows.messages, (std::vector<std::string>(2, std::string(texts::HaveBrew))));
}

TEST_F(MagicTest, TheAdviceIsBoughtAndShownInFull)
{
    game->GorvakRoom = 15;  // straight north of the start
    ASSERT_TRUE(Buy("cmdAdvice"));
    EXPECT_EQ(windows.messages, std::vector<std::string>{"《Zorvath》 在你的 北邊！"});
    EXPECT_EQ(Stats().Gold, 40);
}

TEST_F(MagicTest, TheAdviceNamesOneWordAndOnlyEastOrWestOnceTheColumnsDiffer)
{
    struct Case {
        int player;
        int zorvath;
        std::string_view word;
        const char* why;
    };
    const Case cases[] = {
        {45, 5, texts::North, "north, same column"},
        {45, 75, texts::South, "south, same column"},
        {45, 40, texts::West, "west, same row"},
        {45, 49, texts::East, "east, same row"},
        {45, 45, texts::South, "same room"},
        {45, 14, texts::West, "north-west"},
        {45, 16, texts::East, "north-east"},
        {45, 74, texts::West, "south-west"},
        {45, 76, texts::East, "south-east"},
        {79, 9, texts::North, "corner to corner, same column"},
        {9, 79, texts::South, "corner to corner, same column"},
        {0, 79, texts::East, "far corner"},
        {79, 0, texts::West, "far corner"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        Stats().CurrentRoom = static_cast<Int16>(c.player);
        game->GorvakRoom = static_cast<Int16>(c.zorvath);
        EXPECT_EQ(game->MagicWindow().GetAdvice(), c.word) << c.player << " to " << c.zorvath;
    }
}

TEST_F(MagicTest, TheBrewTurnsMeetingZorvathIntoVictory)
{
    Dungeon d = OpenDungeon();
    d.RoomItem[46] = ItemGorvak;
    Start(d);
    ClickRoom(46);
    EXPECT_EQ(sounds.plays.back(), (sound::FakeSound::Play{Sound::sndGorvak, true, false}));
    EXPECT_EQ(PrintedOn("frmDiscovery").at(1), texts::DefeatLine2) << "without it he loses";

    Stats().Gold = 80;  // the new game, at the start again
    ASSERT_TRUE(Buy("cmdBrew"));
    sounds.plays.clear();
    ClickRoom(46);
    EXPECT_EQ(sounds.CountOf(Sound::sndGorvak2), 1);
    EXPECT_EQ(sounds.CountOf(Sound::sndGorvak), 0);
    const auto lines = PrintedOn("frmDiscovery");
    ASSERT_GE(lines.size(), 2U);
    EXPECT_EQ(lines[0], "你找到了《Zorvath》,");
    EXPECT_EQ(lines[1], "     並殺了《Zorvath》！");
    EXPECT_FALSE(Stats().HasBrew) << "a new game begins without it";
}

// --- the weapons department -----------------------------------------------

class WeaponsTest : public TownTest { };

TEST_F(WeaponsTest, EachWeaponReplacesTheOneCarriedEvenABetterOne)
{
    Stats().Gold = 200;
    ASSERT_TRUE(Buy("cmdSword"));
    EXPECT_EQ(Stats().Weapon, 3);
    ASSERT_TRUE(Buy("cmdClub"));
    EXPECT_EQ(Stats().Weapon, 1);
    ASSERT_TRUE(Buy("cmdKnife"));
    EXPECT_EQ(Stats().Weapon, 2);
    EXPECT_EQ(Stats().Gold, 200 - 60 - 15 - 40);
    EXPECT_TRUE(windows.messages.empty());
}

class WeaponBonusTest : public TownTest,
                        public ::testing::WithParamInterface<std::pair<const char*, int>> { };

// Attack 90 after the step makes Attack / 20 end in a half, so the weapon
// decides which way the bonus rounds.
TEST_P(WeaponBonusTest, TheWeaponBoughtCountsInTheSkeletonBonus)
{
    const auto [button, bonus] = GetParam();
    Dungeon d = OpenDungeon();
    d.RoomItem[46] = ItemSkeleton;
    Start(d);
    if (*button != '\0') {
        ASSERT_TRUE(Buy(button));
    }
    Stats().Attack = 91;
    ScriptOneTurnWin();
    std::vector<std::string> printed;
    windows.After(2.5, [&] { printed = PrintedOn("frmBattle"); });
    ClickRoom(46);
    EXPECT_EQ(printed,
              std::vector<std::string>{std::string(texts::BonusLine) + std::to_string(bonus)});
}

INSTANTIATE_TEST_SUITE_P(Town, WeaponBonusTest,
                         ::testing::Values(std::pair{"", 0}, std::pair{"cmdClub", 2},
                                           std::pair{"cmdKnife", 2}, std::pair{"cmdSword", 4}));

// --- the windows ----------------------------------------------------------

class TownWindowsTest : public TownTest { };

TEST_F(TownWindowsTest, TheHubOpensBesideTheMainWindowThenStaysWhereThePlayerPutsIt)
{
    ASSERT_TRUE(Main().Click("cmdShop"));
    ui::FakeForm& hub = Window("frmShoppe");
    EXPECT_TRUE(hub.IsVisible());
    EXPECT_FALSE(hub.modal);
    EXPECT_EQ(hub.owner, &game->form());
    EXPECT_EQ(hub.Left(), Main().Left() + 67);
    EXPECT_EQ(hub.Top(), Main().Top() + 67);

    hub.Move(300, 200);  // dragged aside
    ASSERT_TRUE(Main().Click("cmdShop"));
    EXPECT_EQ(hub.loads, 1);
    EXPECT_EQ(hub.shows, 2) << "only brought forward";
    EXPECT_EQ(std::tuple(hub.Left(), hub.Top()), std::tuple(300, 200));
}

TEST_F(TownWindowsTest, EachDepartmentOpensOnItsOwnAndClosesTheHub)
{
    for (const auto& [department, window] :
         {std::pair{"cmdHealth", "frmHealth"}, std::pair{"cmdMagic", "frmMagic"},
          std::pair{"cmdWeapon", "frmWeapons"}}) {
        SCOPED_TRACE(department);
        ASSERT_TRUE(Enter(department));
        ui::FakeForm& counter = Window(window);
        EXPECT_TRUE(counter.IsVisible());
        EXPECT_FALSE(counter.modal);
        EXPECT_EQ(counter.owner, nullptr);
        EXPECT_FALSE(Window("frmShoppe").IsLoaded());
    }
    EXPECT_TRUE(Window("frmHealth").IsVisible()) << "the departments stay open side by side";
    EXPECT_TRUE(Window("frmMagic").IsVisible());
}

TEST_F(TownWindowsTest, ADepartmentAlreadyOpenIsOnlyBroughtForward)
{
    ASSERT_TRUE(Enter("cmdMagic"));
    ui::FakeForm& counter = Window("frmMagic");
    counter.Move(400, 300);
    ASSERT_TRUE(Enter("cmdMagic"));
    EXPECT_EQ(counter.loads, 1);
    EXPECT_EQ(counter.shows, 2);
    EXPECT_EQ(counter.Left(), 400);
    EXPECT_FALSE(Window("frmShoppe").IsLoaded());
}

TEST_F(TownWindowsTest, TheHubComesBackFreshBesideWhereTheMainWindowIsNow)
{
    ASSERT_TRUE(Main().Click("cmdShop"));
    Window("frmShoppe").Move(500, 400);
    ASSERT_TRUE(Window("frmShoppe").Click("cmdWeapon"));
    Main().Move(100, 50);
    ASSERT_TRUE(Main().Click("cmdShop"));
    ui::FakeForm& hub = Window("frmShoppe");
    EXPECT_EQ(hub.loads, 2);
    EXPECT_EQ(hub.Left(), 167);
    EXPECT_EQ(hub.Top(), 117);
    EXPECT_EQ(hub.owner, &game->form());
}

TEST_F(TownWindowsTest, LayoutsAreTheWindowsOwn)
{
    struct Layout {
        const char* window;
        int width;
        int height;
        std::vector<std::pair<const char*, std::string_view>> buttons;  // in tab order
    };
    const Layout layouts[] = {
        {"frmShoppe",
         254,
         222,
         {{"cmdHealth", "健康部"}, {"cmdMagic", "魔法部"}, {"cmdWeapon", "武器部"}}},
        {"frmHealth",
         253,
         222,
         {{"cmdPie", "買餡餅"}, {"cmdLodge", "住　宿"}, {"cmdDoctor", "看醫生"}}},
        {"frmMagic",
         252,
         221,
         {{"cmdSpell", "符　咒"}, {"cmdAdvice", "建　議"}, {"cmdBrew", "對付Zorvath的東西"}}},
        {"frmWeapons",
         252,
         220,
         {{"cmdClub", "木　棍"}, {"cmdKnife", "小　刀"}, {"cmdSword", "劍"}}},
    };
    const int lefts[] = {24, 96, 168};
    for (const Layout& l : layouts) {
        SCOPED_TRACE(l.window);
        const ui::FormLayout& form = Window(l.window).layout();
        EXPECT_EQ(form.clientWidth, l.width);
        EXPECT_EQ(form.clientHeight, l.height);
        EXPECT_EQ(form.caption, texts::Caption);
        ASSERT_EQ(form.controls.size(), 3U);
        for (std::size_t i = 0; i < 3; ++i) {
            const ui::ControlLayout& c = form.controls[i];
            EXPECT_EQ(c.name.str(), l.buttons[i].first);
            EXPECT_TRUE(c.onClick) << "the button's handler is bound with its layout";
            EXPECT_EQ(c.text, l.buttons[i].second);
            EXPECT_EQ(c.kind, ui::ControlKind::Button);
            EXPECT_EQ(std::tie(c.left, c.top, c.width, c.height),
                      std::tuple(lefts[i], 168, 65, 33));
        }
    }
    EXPECT_EQ(Main().layout().controls[0].text, "裝　備");
}

// --- a whole game -----------------------------------------------------------

class WholeGameTest : public GameTest { };

// A ring of five rooms of gold south-east of the start, and Zorvath at the
// end of a side room.
constexpr std::string_view kRing = ".:. .:. .:. .:. .:.  .:.   .:.  .:.  .:. .:.\n"
                                   ".:. .:. .:. .:. .:.  .:.   .:.  .:.  .:. .:.\n"
                                   ".:. .:. .:. .:. .:.  .:.   .:.  .:.  .:. .:.\n"
                                   ".:. .:. .:. .:. .:.  .:.   .:.  .:.  .:. .:.\n"
                                   ".:. .:. .:. .:. .:.  ES:.  EW:g SW:g .:. .:.\n"
                                   ".:. .:. .:. .:. E:z  NEW:g EW:g NW:g .:. .:.\n"
                                   ".:. .:. .:. .:. .:.  .:.   .:.  .:.  .:. .:.\n"
                                   ".:. .:. .:. .:. .:.  .:.   .:.  .:.  .:. .:.\n";

TEST_F(WholeGameTest, GatherGoldBuyTheBrewAndBeatZorvath)
{
    Start(kRing);
    ASSERT_TRUE(windows.messages.empty());
    const unsigned firstGame = game->GameNumber();

    ClickRoom(44);  // no door to the west
    EXPECT_EQ(windows.messages, std::vector<std::string>{std::string(texts::NoExit)});
    EXPECT_EQ(Stats().CurrentRoom, 45);

    for (int room : {46, 47, 57, 56, 55}) {
        SCOPED_TRACE(room);
        random.PushDraw(3, 2);  // four coins each
        ClickRoom(room);
        ASSERT_EQ(Stats().CurrentRoom, room);
    }
    EXPECT_EQ(Stats().Gold, 80);
    EXPECT_EQ(Stats().Pies, 0) << "the one pie went after three steps";

    ASSERT_TRUE(Main().Click("cmdShop"));
    ASSERT_TRUE(Window("frmShoppe").Click("cmdMagic"));
    ASSERT_TRUE(Window("frmMagic").Click("cmdBrew"));
    EXPECT_TRUE(Stats().HasBrew);
    EXPECT_EQ(Stats().Gold, 0);
    EXPECT_EQ(windows.messages.back(), texts::HaveBrew);

    sounds.plays.clear();
    ClickRoom(54);
    EXPECT_EQ(sounds.CountOf(Sound::sndGorvak2), 1);
    const auto lines = PrintedOn("frmDiscovery");
    ASSERT_GE(lines.size(), 2U);
    EXPECT_EQ(lines[0], "你找到了《Zorvath》,");
    EXPECT_EQ(lines[1], "     並殺了《Zorvath》！");
    EXPECT_TRUE(Window("frmDiscovery").IsVisible());

    EXPECT_EQ(game->GameNumber(), firstGame + 1);
    Module1 fresh(windows, sounds);
    fresh.InitPlayer();
    EXPECT_EQ(Snapshot(Stats()), Snapshot(fresh));
    EXPECT_EQ(Stats().CurrentRoom, 45);
    EXPECT_EQ(game->RoomItem[46], ItemGold) << "the dungeon is read afresh";
    EXPECT_EQ(game->GorvakRoom, 54);
    EXPECT_TRUE(Main().IsEnabled("cmdShop"));
}

}  // namespace
