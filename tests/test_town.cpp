// The town's windows wired to the wares' rows: every button sells its row's
// ware, the money check, the messages and the status warning in their order,
// the hub and the departments opening and re-opening, no shopping during a
// fight, and a whole game won with the thing bought against Zorvath. What
// each ware costs and does is the unit tests' (tests/unit/test_wares.cpp).
#include "support/GameFixture.h"

#include "core/Texts.h"
#include "town/frmHealth.h"
#include "town/frmMagic.h"
#include "town/frmShoppe.h"
#include "town/frmWeapons.h"

#include <string>
#include <tuple>
#include <vector>

using sound::Sound;
using testing_support::GameTest;
using testing_support::OpenDungeon;
using town::Ware;

namespace {

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

    // The hub's button and the window of a department.
    static std::pair<ui::ControlName, std::string_view> CounterOf(town::Department d)
    {
        switch (d) {
        case town::Department::Health: return {frmShoppe::cmdHealth, frmHealth::Look.name};
        case town::Department::Magic: return {frmShoppe::cmdMagic, frmMagic::Look.name};
        case town::Department::Weapons: break;
        }
        return {frmShoppe::cmdWeapon, frmWeapons::Look.name};
    }
    ui::FakeForm& Hub() const { return Window("frmShoppe"); }
    ui::FakeForm& CounterWindow(Ware w) const
    {
        return Window(CounterOf(town::Row(w).department).second);
    }
    // Into the town and up to a counter, by the buttons a player presses.
    bool Enter(ui::ControlName department)
    {
        return Main().Click(frmGorvak::cmdShop) && Hub().Click(department);
    }
    bool Buy(Ware w)
    {
        return Enter(CounterOf(town::Row(w).department).first) &&
            CounterWindow(w).Click(DepartmentWindow::ButtonOf(w));
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

TEST_F(PurchaseTest, EveryButtonSellsItsWareForItsPriceRingsOnceAndClosesTheCounter)
{
    for (const town::WareRow& row : town::Wares) {
        SCOPED_TRACE(row.button);
        Stats().InitPlayer();
        Stats().Gold = row.price;
        sounds.plays.clear();
        windows.messages.clear();
        random.ClearScript();
        random.Push(0.25);  // lodging and the doctor draw their amount
        ASSERT_TRUE(Buy(row.ware));
        EXPECT_EQ(Stats().Gold, 0);
        EXPECT_EQ(sounds.plays,
                  (std::vector<sound::FakeSound::Play>{{Sound::sndShop, false, false}}));
        EXPECT_EQ(windows.messages.size(), row.message.says == town::Says::Nothing ? 0U : 1U);
        EXPECT_FALSE(CounterWindow(row.ware).IsLoaded()) << "the counter closes on every purchase";
        EXPECT_FALSE(Hub().IsLoaded());
    }
}

TEST_F(PurchaseTest, OneCoinShortBuysNothingAndClosesTheCounterBeforeSayingSo)
{
    for (const town::WareRow& row : town::Wares) {
        SCOPED_TRACE(row.button);
        Stats().InitPlayer();
        Stats().Gold = static_cast<Int16>(row.price - 1);
        sounds.plays.clear();
        windows.messages.clear();
        random.ClearScript();
        const auto before = Snapshot(Stats());
        const int draws = random.draws;
        bool closedFirst = false;
        windows.onMessageBox = [&](std::string_view) {
            closedFirst = !CounterWindow(row.ware).IsLoaded();
        };
        ASSERT_TRUE(Buy(row.ware));
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
    EXPECT_FALSE(Main().Click(frmGorvak::cmdShop));
    EXPECT_FALSE(Hub().IsLoaded());
    EXPECT_FALSE(Hub().Click(frmShoppe::cmdHealth)) << "a closed hub takes no clicks";
    EXPECT_FALSE(CounterWindow(Ware::Lodge).Click(DepartmentWindow::ButtonOf(Ware::Lodge)));
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
        EXPECT_FALSE(Main().Click(frmGorvak::cmdShop));
        EXPECT_FALSE(Hub().IsLoaded());
        tried = true;
    });
    ClickRoom(46);
    ASSERT_TRUE(tried);
    EXPECT_FALSE(game->Battling);
    const Int16 gold = Stats().Gold;
    EXPECT_TRUE(Buy(Ware::Pie));
    EXPECT_EQ(Stats().Gold, gold - 10);
}

// --- what the counters say ------------------------------------------------

TEST_F(PurchaseTest, TheMessageNamesTheFullAmountEvenWhenTheCapTakesSome)
{
    Stats().Attack = 95;
    Stats().Health = 45;
    random.Push({0.5, 0.9});
    ASSERT_TRUE(Buy(Ware::Lodge));
    ASSERT_TRUE(Buy(Ware::Doctor));
    EXPECT_EQ(Stats().Attack, 100);
    EXPECT_EQ(Stats().Health, 50);
    EXPECT_EQ(windows.messages, (std::vector<std::string>{Lodged(22), Doctored(17)}));
    EXPECT_EQ(Stats().Gold, 30);
}

TEST_F(PurchaseTest, AValueStillLowAfterwardsOpensTheStatusWindowBeforeTheMessage)
{
    // A fight tires the hero every turn and only stops on a lost turn, so a
    // won fight can leave attack below zero.
    std::vector<std::string> seen;
    windows.onModal = [&](ui::FakeForm& form) { seen.push_back(form.layout().name); };
    windows.onMessageBox = [&](std::string_view text) { seen.emplace_back(text); };
    Stats().Attack = -7;
    random.Push(0.0);
    ASSERT_TRUE(Buy(Ware::Lodge));
    EXPECT_EQ(Stats().Attack, 14);
    EXPECT_EQ(seen, (std::vector<std::string>{"frmStatus", Lodged(21)}));
    EXPECT_EQ(sounds.plays.back(), (sound::FakeSound::Play{Sound::sndCheckStats, false, false}));

    seen.clear();
    Stats().Attack = -6;
    random.Push(0.0);
    ASSERT_TRUE(Buy(Ware::Lodge));
    EXPECT_EQ(Stats().Attack, 15);
    EXPECT_EQ(seen, std::vector<std::string>{Lodged(21)}) << "fifteen is not low";
}

TEST_F(PurchaseTest, TheAdviceIsBoughtAndShownInFull)
{
    game->GorvakRoom = 15;  // straight north of the start
    ASSERT_TRUE(Buy(Ware::Advice));
    EXPECT_EQ(windows.messages, std::vector<std::string>{"《Zorvath》 在你的 北邊！"});
    EXPECT_EQ(Stats().Gold, 40);
}

// Attack 90 after the step makes Attack / 20 end in a half, so the weapon
// decides which way the bonus rounds.
TEST_F(PurchaseTest, TheWeaponBoughtCountsInTheSkeletonBonus)
{
    Dungeon d = OpenDungeon();
    d.RoomItem[46] = ItemSkeleton;
    Start(d);
    ASSERT_TRUE(Buy(Ware::Sword));
    Stats().Attack = 91;
    ScriptOneTurnWin();
    std::vector<std::string> printed;
    windows.After(2.5, [&] { printed = PrintedOn("frmBattle"); });
    ClickRoom(46);
    EXPECT_EQ(printed, std::vector<std::string>{std::string(texts::BonusLine) + "4"});
}

// --- the windows ----------------------------------------------------------

class TownWindowsTest : public TownTest { };

TEST_F(TownWindowsTest, TheHubOpensBesideTheMainWindowThenStaysWhereThePlayerPutsIt)
{
    ASSERT_TRUE(Main().Click(frmGorvak::cmdShop));
    ui::FakeForm& hub = Hub();
    EXPECT_TRUE(hub.IsVisible());
    EXPECT_FALSE(hub.modal);
    EXPECT_EQ(hub.owner, &game->form());
    EXPECT_EQ(hub.Left(), Main().Left() + 67);
    EXPECT_EQ(hub.Top(), Main().Top() + 67);

    hub.Move(300, 200);  // dragged aside
    ASSERT_TRUE(Main().Click(frmGorvak::cmdShop));
    EXPECT_EQ(hub.loads, 1);
    EXPECT_EQ(hub.shows, 2) << "only brought forward";
    EXPECT_EQ(std::tuple(hub.Left(), hub.Top()), std::tuple(300, 200));
}

TEST_F(TownWindowsTest, EachDepartmentOpensOnItsOwnAndClosesTheHub)
{
    for (town::Department d :
         {town::Department::Health, town::Department::Magic, town::Department::Weapons}) {
        const auto [button, name] = CounterOf(d);
        SCOPED_TRACE(name);
        ASSERT_TRUE(Enter(button));
        ui::FakeForm& counter = Window(name);
        EXPECT_TRUE(counter.IsVisible());
        EXPECT_FALSE(counter.modal);
        EXPECT_EQ(counter.owner, nullptr);
        EXPECT_FALSE(Hub().IsLoaded());
    }
    EXPECT_TRUE(CounterWindow(Ware::Pie).IsVisible()) << "the departments stay open side by side";
    EXPECT_TRUE(CounterWindow(Ware::Brew).IsVisible());
}

TEST_F(TownWindowsTest, ADepartmentAlreadyOpenIsOnlyBroughtForward)
{
    ASSERT_TRUE(Enter(frmShoppe::cmdMagic));
    ui::FakeForm& counter = CounterWindow(Ware::Brew);
    counter.Move(400, 300);
    ASSERT_TRUE(Enter(frmShoppe::cmdMagic));
    EXPECT_EQ(counter.loads, 1);
    EXPECT_EQ(counter.shows, 2);
    EXPECT_EQ(counter.Left(), 400);
    EXPECT_FALSE(Hub().IsLoaded());
}

TEST_F(TownWindowsTest, TheHubComesBackFreshBesideWhereTheMainWindowIsNow)
{
    ASSERT_TRUE(Main().Click(frmGorvak::cmdShop));
    Hub().Move(500, 400);
    ASSERT_TRUE(Hub().Click(frmShoppe::cmdWeapon));
    Main().Move(100, 50);
    ASSERT_TRUE(Main().Click(frmGorvak::cmdShop));
    ui::FakeForm& hub = Hub();
    EXPECT_EQ(hub.loads, 2);
    EXPECT_EQ(hub.Left(), 167);
    EXPECT_EQ(hub.Top(), 117);
    EXPECT_EQ(hub.owner, &game->form());
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

    ASSERT_TRUE(Main().Click(frmGorvak::cmdShop));
    ASSERT_TRUE(Window("frmShoppe").Click(frmShoppe::cmdMagic));
    ASSERT_TRUE(Window("frmMagic").Click(DepartmentWindow::ButtonOf(Ware::Brew)));
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
    Module1 fresh;
    fresh.InitPlayer();
    EXPECT_EQ(Snapshot(Stats()), Snapshot(fresh));
    EXPECT_EQ(Stats().CurrentRoom, 45);
    EXPECT_EQ(game->RoomItem[46], ItemGold) << "the dungeon is read afresh";
    EXPECT_EQ(game->GorvakRoom, 54);
    EXPECT_TRUE(Main().IsEnabled(frmGorvak::cmdShop));
}

}  // namespace
