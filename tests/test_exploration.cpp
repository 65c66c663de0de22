// Walking and the doors the painted map remembers, what turns up in a room,
// the discovery pause, the charm move and the teleporter.
#include "support/GameFixture.h"

#include "core/Texts.h"

#include <functional>
#include <memory>
#include <stdexcept>
#include <tuple>

using sound::Sound;
using testing_support::GameTest;
using testing_support::OpenDungeon;

namespace {

std::pair<int, int> Corner(int room)
{
    Int16 x = 0;
    Int16 y = 0;
    frmGorvak::GetPixelXY(static_cast<Int16>(room), x, y);
    return {x, y};
}

Direction DirectionBetween(int from, int to)
{
    if (const auto d = grid::DirectionTo(from, to)) return *d;
    throw std::logic_error("not neighbours");
}

// The open dungeon with no room at the holes, the doors facing them walled.
Dungeon WithHoles(std::initializer_list<int> holes)
{
    Dungeon d = OpenDungeon();
    for (int hole : holes) {
        d.RoomType[hole] = 0;
        for (Direction side : Directions) {
            if (LeadsOffMap(hole, side)) continue;
            const int n = NeighbourOf(hole, side);
            if (d.RoomType[n] == 0) continue;
            bool doors[4];
            for (Direction s : Directions) doors[s] = HasDoor(d.RoomType[n], s);
            doors[grid::Opposite(side)] = false;
            d.RoomType[n] = ShapeOf(doors[North], doors[East], doors[South], doors[West]);
        }
    }
    return d;
}

class ExplorationTest : public GameTest {
protected:
    ExplorationTest() { Start(OpenDungeon()); }

    struct Snapshot {
        Int16 health, attack, pies, pieSteps, gold, spells, serum, room;
        bool spellMode;
        bool operator==(const Snapshot&) const = default;
    };
    Snapshot Snap() const
    {
        const Module1& s = Stats();
        return {s.Health, s.Attack, s.Pies,        s.PieSteps, s.Gold,
                s.Spells, s.Serum,  s.CurrentRoom, s.SpellMode};
    }
    void Click(float x, float y) { Main().MouseDown(x, y); }
    void NothingTurnsUp() { random.PushDraw(10, 0); }
    int WalkSounds() const { return sounds.CountOf(Sound::sndWalk); }
    std::size_t Paintings() const { return Main().fakeSurface().painted.size(); }
    bool Painted(int room) const
    {
        const auto [x, y] = Corner(room);
        return MapPixel(x, y) == ui::White;
    }
    ui::FakeForm& DiscoveryWindow() const { return Window("frmDiscovery"); }

    // What the discovery window shows a second into its pause.
    struct Seen {
        bool visible = false;
        std::vector<std::string> lines;
        ui::Picture picture = ui::Picture::Count;
        Snapshot stats{};
    };
    void WatchDiscovery(double after = 1.0)
    {
        windows.After(after, [this] {
            seen.visible = DiscoveryWindow().IsVisible();
            seen.lines = PrintedOn("frmDiscovery");
            const auto& painted = DiscoveryWindow().fakeSurface().painted;
            if (!painted.empty()) seen.picture = painted.back().picture;
            seen.stats = Snap();
        });
    }
    Seen seen;
};

// ---- Walking -------------------------------------------------------------

using MoveTest = ExplorationTest;

TEST_F(MoveTest, AClickOffTheMapIsIgnoredAndOneJustInsideIsTaken)
{
    // The edge click would hit a room that is no neighbour, so a wrongly
    // taken one shows the wall message.
    Click(106.0f, 242.0f);
    EXPECT_TRUE(windows.messages.empty()) << "an edge is not a wall";
    EXPECT_EQ(Stats().CurrentRoom, 45);
    PutPlayerIn(41);
    NothingTurnsUp();
    Click(106.5f, 242);
    EXPECT_EQ(Stats().CurrentRoom, 40);
    EXPECT_TRUE(windows.messages.empty());
}

TEST_F(MoveTest, OnlyTheFourNeighboursCanBeWalkedToAndARefusalChangesNothing)
{
    const Snapshot before = Snap();
    const std::size_t paintings = Paintings();
    const int draws = random.draws;
    for (int room : {45, 47, 56, 34, 25, 0, 79}) ClickRoom(room);
    EXPECT_EQ(windows.messages, std::vector<std::string>(7, std::string(texts::NoExit)));
    EXPECT_EQ(Snap(), before);
    EXPECT_EQ(Paintings(), paintings);
    EXPECT_TRUE(sounds.plays.empty());
    EXPECT_EQ(random.draws, draws) << "no room was entered, so nothing was looked for";
    EXPECT_EQ(Main().ControlPlace(frmGorvak::shpRoomMarker).left, Corner(45).first - 4);
}

TEST_F(MoveTest, EveryRoomShapeOpensExactlyItsOwnDoors)
{
    for (Int16 shape = 1; shape <= LastShape; ++shape) {
        for (Direction side : Directions) {
            // The start room is painted by the new game, room 23 by a walk in.
            for (int room : {45, 23}) {
                SCOPED_TRACE(testing::Message()
                             << "shape " << shape << " side " << side << " room " << room);
                Dungeon d = OpenDungeon();
                d.RoomType[room] = shape;
                Start(d);
                windows.messages.clear();
                sounds.plays.clear();
                if (room != 45) PutPlayerIn(room);
                NothingTurnsUp();
                const int target = NeighbourOf(room, side);
                ClickRoom(target);
                if (HasDoor(shape, side)) {
                    EXPECT_EQ(Stats().CurrentRoom, target);
                    EXPECT_TRUE(windows.messages.empty());
                } else {
                    EXPECT_EQ(Stats().CurrentRoom, room);
                    ASSERT_EQ(windows.messages.size(), 1U);
                    EXPECT_EQ(windows.messages[0], texts::NoExit);
                    EXPECT_EQ(Stats().Attack, 100);
                    EXPECT_EQ(WalkSounds(), 0);
                }
                random.ClearScript();
            }
        }
    }
}

TEST_F(MoveTest, TheShippedDungeonRefusesEveryMoveAcrossARowsEnd)
{
    const DungeonRead shipped = ReadDungeonFile(testing_support::AssetsFolder() / "Dungeon.gvk");
    ASSERT_TRUE(shipped.dungeon.has_value());
    Start(*shipped.dungeon);
    for (int row = 0; row < Rows - 1; ++row) {
        const int last = row * Columns + Columns - 1;
        for (auto [from, to] : {std::pair(last, last + 1), {last + 1, last}}) {
            PutPlayerIn(from);
            windows.messages.clear();
            ClickRoom(to);
            EXPECT_EQ(Stats().CurrentRoom, from) << from << " to " << to;
            EXPECT_EQ(windows.messages.size(), 1U) << from << " to " << to;
        }
    }
    EXPECT_EQ(WalkSounds(), 0);
}

TEST_F(MoveTest, AStepCostsFirstThenPaintsRoomHallwayAndMarker)
{
    game->RoomItem[46] = ItemSpell;
    const std::size_t paintings = Paintings();
    ClickRoom(46);
    const auto [x, y] = Corner(46);
    const auto& painted = Main().fakeSurface().painted;
    ASSERT_EQ(painted.size(), paintings + 2);
    EXPECT_EQ(painted[paintings].picture, ui::imgRoom(game->RoomType[46] - 1));
    EXPECT_EQ(std::pair(painted[paintings].x, painted[paintings].y), std::pair(x, y));
    EXPECT_EQ(painted[paintings + 1].picture, ui::imgHall(1));
    EXPECT_EQ(std::pair(painted[paintings + 1].x, painted[paintings + 1].y), std::pair(x - 19, y));
    EXPECT_EQ(Main().ControlPlace(frmGorvak::shpRoomMarker).left, x - 4);
    EXPECT_EQ(Main().ControlPlace(frmGorvak::shpRoomMarker).top, y - 4);
    ASSERT_FALSE(sounds.plays.empty());
    EXPECT_EQ(sounds.plays.front(), (sound::FakeSound::Play{Sound::sndWalk, true, false}));
    EXPECT_EQ(Stats().Attack, 99);
    EXPECT_EQ(Stats().Spells, 1) << "the room's content is dealt with last";
}

TEST_F(MoveTest, HallwaysArePaintedOnEveryStepAndTheDoorsStayOpenBothWays)
{
    // A square and back, every side crossed both ways.
    const std::array<int, 9> path = {45, 46, 56, 55, 45, 55, 56, 46, 45};
    for (std::size_t i = 1; i < path.size(); ++i) {
        const int from = path[i - 1];
        const int to = path[i];
        const std::size_t paintings = Paintings();
        const bool fresh = !Painted(to);
        NothingTurnsUp();
        ClickRoom(to);
        ASSERT_EQ(Stats().CurrentRoom, to) << "step " << i;
        const auto& last = Main().fakeSurface().painted.back();
        EXPECT_EQ(Paintings(), paintings + (fresh ? 2 : 1)) << "step " << i;
        EXPECT_EQ(last.picture, ui::imgHall(std::abs(to - from) == 10 ? 0 : 1)) << "step " << i;
        // Each room's door towards the other still reads as a door.
        const Direction ahead = DirectionBetween(from, to);
        const auto [fx, fy] = Corner(from);
        const auto [tx, ty] = Corner(to);
        const grid::Point out = grid::DoorTestPoint(ahead);
        const grid::Point back = grid::DoorTestPoint(grid::Opposite(ahead));
        EXPECT_NE(MapPixel(fx + out.x, fy + out.y), ui::White) << "step " << i;
        EXPECT_NE(MapPixel(tx + back.x, ty + back.y), ui::White) << "step " << i;
    }
    EXPECT_TRUE(windows.messages.empty());
    EXPECT_EQ(WalkSounds(), 8);
}

// ---- What turns up in a room ----------------------------------------------

using RoomEventTest = ExplorationTest;

TEST_F(RoomEventTest, OnlyAnEmptyRoomDrawsWhatTurnsUp)
{
    random.PushDraw(10, 5);
    game->CheckForRandomItem(12);
    EXPECT_EQ(game->RoomItem[12], ItemSkeleton);
    game->RoomItem[12] = ItemSerum;
    const int draws = random.draws;
    game->CheckForRandomItem(12);
    EXPECT_EQ(game->RoomItem[12], ItemSerum);
    EXPECT_EQ(random.draws, draws) << "a room with content draws nothing";
}

TEST_F(RoomEventTest, GoldIsCountedBeforeTheWindowShowsIt)
{
    game->RoomItem[46] = ItemGold;
    random.PushDraw(3, 1);
    WatchDiscovery();
    ClickRoom(46);
    EXPECT_TRUE(seen.visible);
    EXPECT_EQ(seen.lines, std::vector<std::string>{"3 個港幣！"});
    EXPECT_EQ(seen.picture, ui::Picture::Gold);
    EXPECT_EQ(seen.stats.gold, 63);
    EXPECT_EQ(game->RoomItem[46], ItemNone);
    // Found by chance in an empty room: the room's draw, then the amount's.
    Start(OpenDungeon());
    random.PushDraw(10, 9);
    random.PushDraw(3, 2);
    ClickRoom(46);
    EXPECT_EQ(Stats().Gold, 64);
    EXPECT_EQ(game->RoomItem[46], ItemNone) << "the gold was taken";
}

TEST_F(RoomEventTest, CharmAndSerumAreCountedAndAnnounced)
{
    game->RoomItem[46] = ItemSpell;
    game->RoomItem[47] = ItemSerum;
    WatchDiscovery();
    ClickRoom(46);
    EXPECT_EQ(seen.lines, std::vector<std::string>{"       一個對付Krellik符咒！"});
    EXPECT_EQ(seen.picture, ui::Picture::Spell);
    EXPECT_EQ(seen.stats.spells, 1);
    WatchDiscovery();
    ClickRoom(47);
    EXPECT_EQ(seen.lines, std::vector<std::string>{"     　一瓶血漿！"});
    EXPECT_EQ(seen.picture, ui::Picture::Serum);
    EXPECT_EQ(seen.stats.serum, 1);
    EXPECT_EQ(Stats().Spells, 1);
    NothingTurnsUp();
    ClickRoom(46);  // back: the charm was taken
    EXPECT_EQ(Stats().Spells, 1);
}

TEST_F(RoomEventTest, TheThiefTakesHisShareBeforeTheWindowShowsHim)
{
    game->RoomItem[46] = ItemThief;
    Stats().Gold = 14;
    WatchDiscovery();
    ClickRoom(46);
    EXPECT_EQ(seen.stats.gold, 10);
    EXPECT_EQ(seen.lines, std::vector<std::string>{"   ＊PIZZA外賣仔＊ ！！!"});
    EXPECT_EQ(seen.picture, ui::Picture::Thief);
}

TEST_F(RoomEventTest, TheDiscoveryWindowIsPlacedOwnedAndSilentAndLastsTwoSeconds)
{
    game->RoomItem[46] = ItemSerum;
    ui::FakeForm& window = DiscoveryWindow();
    std::vector<ui::FakeSurface::Printed> printed;
    std::vector<ui::FakeSurface::Painted> painted;
    windows.After(1.0, [&] {
        EXPECT_EQ(window.Left(), Main().Left() + 100);
        EXPECT_EQ(window.Top(), Main().Top() + 100);
        EXPECT_EQ(window.owner, &game->form());
        EXPECT_FALSE(window.modal);
        printed = window.fakeSurface().printed;
        painted = window.fakeSurface().painted;
    });
    const double start = clock.Now();
    ClickRoom(46);
    EXPECT_NEAR(clock.Now() - start, 2.0, 1e-9);
    EXPECT_FALSE(window.IsVisible());
    ASSERT_EQ(printed.size(), 1U);
    EXPECT_EQ(std::pair(printed[0].x, printed[0].y), std::pair(44, 135));
    ASSERT_EQ(painted.size(), 1U);
    EXPECT_EQ(std::pair(painted[0].x, painted[0].y), std::pair(68, 50));
    EXPECT_EQ(sounds.CountOf(Sound::sndDiscovery), 0);
}

TEST_F(RoomEventTest, OkClosesTheWindowEarlyButThePauseRunsItsTwoSeconds)
{
    game->RoomItem[46] = ItemSpell;
    bool closedEarly = false;
    windows.After(0.5, [&] { EXPECT_TRUE(DiscoveryWindow().Click(cmdOK)); });
    windows.After(0.6, [&] { closedEarly = !DiscoveryWindow().IsVisible(); });
    const double start = clock.Now();
    ClickRoom(46);
    EXPECT_TRUE(closedEarly);
    EXPECT_NEAR(clock.Now() - start, 2.0, 1e-9);
}

TEST_F(RoomEventTest, AnUnknownCodeDoesNothing)
{
    for (Int16 code : {Int16(8), Int16(-1), Int16(300)}) {
        Start(OpenDungeon());
        game->RoomItem[46] = code;
        ClickRoom(46);
        const Snapshot after = Snap();
        EXPECT_EQ(std::tie(after.gold, after.spells, after.serum, after.health),
                  std::tuple(60, 0, 0, 50));
        EXPECT_EQ(DiscoveryWindow().shows, 0) << "code " << code;
        EXPECT_FALSE(game->Battling);
    }
}

TEST_F(RoomEventTest, KrellikStopsTheButtonsAndTheMapThenAFightFollows)
{
    game->RoomItem[46] = ItemSkeleton;
    bool checked = false;
    windows.After(1.0, [&] {
        EXPECT_TRUE(game->Battling);
        EXPECT_FALSE(Main().IsEnabled(frmGorvak::cmdShop));
        EXPECT_FALSE(Main().IsEnabled(frmGorvak::cmdSpell));
        EXPECT_FALSE(Main().IsEnabled(frmGorvak::cmdStatus));
        EXPECT_EQ(PrintedOn("frmDiscovery"), std::vector<std::string>{"  　　撞到Krellik!"});
        EXPECT_EQ(DiscoveryWindow().fakeSurface().painted.back().picture, ui::imgSkeleton(0));
        EXPECT_EQ(Window("frmBattle").shows, 0) << "the fight waits for the pause";
        ClickRoom(47);  // the map is closed meanwhile
        checked = true;
    });
    // One turn: the hero rolls 9, Krellik 1, five points of damage; then the reward.
    for (int i = 0; i < 10; ++i) random.PushDraw(9, 8);
    for (int i = 0; i < 10; ++i) random.PushDraw(9, 0);
    random.PushDraw(5, 4);
    random.PushDraw(5, 0);
    ClickRoom(46);
    EXPECT_TRUE(checked);
    EXPECT_EQ(Stats().CurrentRoom, 46);
    EXPECT_EQ(Window("frmBattle").shows, 1);
    EXPECT_FALSE(game->Battling);
    EXPECT_TRUE(Main().IsEnabled(frmGorvak::cmdSpell));
    EXPECT_EQ(game->RoomItem[46], ItemNone);
}

TEST_F(RoomEventTest, ASerumSaysItsFullGainBeforeTheCapTakesSome)
{
    for (auto [attack, k, after] : {std::tuple(50, 0, 65), {90, 14, 100}}) {
        Stats().Serum = 2;
        Stats().Attack = static_cast<Int16>(attack);
        windows.messages.clear();
        Int16 attackWhileShown = 0;
        windows.onMessageBox = [&](std::string_view) { attackWhileShown = Stats().Attack; };
        random.PushDraw(15, k);
        game->DrinkSerum();
        EXPECT_EQ(windows.messages,
                  std::vector<std::string>{"你喝左一瓶血漿！\r\n+" + std::to_string(15 + k) +
                                           " 攻擊力點數！"});
        EXPECT_EQ(attackWhileShown, attack) << "the message comes before the gain";
        EXPECT_EQ(Stats().Attack, after);
        EXPECT_EQ(Stats().Serum, 1);
    }
}

// ---- The discovery pause -------------------------------------------------

using DiscoveryPauseTest = ExplorationTest;

TEST_F(DiscoveryPauseTest, AMapClickDuringThePauseWalksThenAndThere)
{
    game->RoomItem[46] = ItemGold;
    game->RoomItem[47] = ItemSerum;
    random.PushDraw(3, 0);
    double walkedAt = -1;
    windows.After(0.5, [&] {
        ClickRoom(47);
        walkedAt = clock.Now();
    });
    WatchDiscovery(1.0);
    const double start = clock.Now();
    ClickRoom(46);
    EXPECT_EQ(Stats().CurrentRoom, 47);
    EXPECT_EQ(seen.lines, std::vector<std::string>{"     　一瓶血漿！"}) << "the new find shows";
    EXPECT_EQ(seen.stats.room, 47) << "the walk happened inside the first pause";
    EXPECT_NEAR(walkedAt - start, 2.5, 1e-9) << "the nested pause ran its full length";
    EXPECT_EQ(Stats().Gold, 62);
    EXPECT_EQ(Stats().Serum, 1);
    EXPECT_EQ(Stats().Attack, 98);
    EXPECT_FALSE(DiscoveryWindow().IsVisible());
    EXPECT_GE(windows.deepestWait, 2);
}

class QuitDuringPauseTest : public ExplorationTest {
protected:
    // Quits half a second into a teleporter's pause.
    void QuitAtTeleporter(const std::function<void()>& quit)
    {
        game->RoomItem[46] = ItemTeleport;
        windows.After(0.5, quit);
        const double start = clock.Now();
        EXPECT_NO_THROW(ClickRoom(46));
        EXPECT_TRUE(windows.IsQuitting());
        EXPECT_EQ(windows.ExitStatus(), 0);
        EXPECT_LT(clock.Now() - start, 0.6) << "the pause stopped at once";
        EXPECT_EQ(sounds.CountOf(Sound::sndTeleport), 0) << "nothing ran on after the quit";
        EXPECT_EQ(Stats().CurrentRoom, 46);
        EXPECT_FALSE(Main().IsLoaded());
    }
};

TEST_F(QuitDuringPauseTest, TheQuitButtonEndsCleanly)
{
    QuitAtTeleporter([&] { EXPECT_TRUE(Main().Click(frmGorvak::cmdQuit)); });
}

TEST_F(QuitDuringPauseTest, AQuitFromOutsideEndsCleanly)
{
    QuitAtTeleporter([&] { windows.Quit(0); });
}

TEST_F(DiscoveryPauseTest, ReachingZorvathDuringATeleportersPauseCancelsTheTeleport)
{
    Dungeon d = OpenDungeon();
    d.RoomItem[46] = ItemTeleport;
    d.RoomItem[47] = ItemGorvak;
    Start(d);
    const unsigned game0 = game->GameNumber();
    windows.After(0.5, [&] { ClickRoom(47); });
    ClickRoom(46);
    EXPECT_EQ(game->GameNumber(), game0 + 1);
    EXPECT_EQ(Stats().CurrentRoom, 45);
    EXPECT_EQ(sounds.CountOf(Sound::sndTeleport), 0) << "the old game's teleport is void";
    EXPECT_EQ(game->RoomItem[46], ItemTeleport) << "the new game's dungeon is untouched";
    EXPECT_TRUE(DiscoveryWindow().IsVisible()) << "the ending notice stays up";
    EXPECT_EQ(PrintedOn("frmDiscovery").front(), texts::DefeatLine1);
}

// ---- The charm -----------------------------------------------------------

using CharmTest = ExplorationTest;

TEST_F(CharmTest, WithoutACharmTheButtonOnlySaysSo)
{
    for (Int16 spells : {Int16(0), Int16(-1)}) {
        windows.messages.clear();
        Stats().Spells = spells;
        EXPECT_TRUE(Main().Click(frmGorvak::cmdSpell));
        EXPECT_EQ(windows.messages,
                  std::vector<std::string>{"你冇對付『飛虎隊咸豬手–Krellik』符咒可用！"});
        EXPECT_FALSE(Stats().SpellMode);
        EXPECT_EQ(Stats().Spells, spells);
    }
    ClickRoom(12);
    EXPECT_EQ(Stats().CurrentRoom, 45) << "a far click is an ordinary walk, refused";
}

TEST_F(CharmTest, TwoPressesSpendTwoCharmsForOneMove)
{
    Stats().Spells = 2;
    Main().Click(frmGorvak::cmdSpell);
    Main().Click(frmGorvak::cmdSpell);
    EXPECT_EQ(windows.messages, std::vector<std::string>(2, "請點按你要去的房間！"));
    EXPECT_EQ(Stats().Spells, 0);
    EXPECT_TRUE(Stats().SpellMode);
    NothingTurnsUp();
    ClickRoom(12);
    EXPECT_EQ(Stats().CurrentRoom, 12);
    ClickRoom(14);
    EXPECT_EQ(Stats().CurrentRoom, 12) << "only one move was armed";
}

TEST_F(CharmTest, TheMoveIsFreeSilentOfStepsAndOpensTheRoom)
{
    game->RoomItem[12] = ItemSerum;
    Stats().Spells = 1;
    Stats().Attack = 1;  // a step would kill
    Stats().Pies = 0;
    Main().Click(frmGorvak::cmdSpell);
    const std::size_t paintings = Paintings();
    Click(540, 100);  // the edge: ignored, still armed
    Click(200, 50);
    EXPECT_TRUE(Stats().SpellMode);
    EXPECT_EQ(windows.messages.size(), 1U);
    EXPECT_TRUE(sounds.plays.empty());
    const unsigned game0 = game->GameNumber();
    ClickRoom(12);
    EXPECT_EQ(game->GameNumber(), game0);
    EXPECT_EQ(Stats().CurrentRoom, 12);
    EXPECT_FALSE(Stats().SpellMode);
    EXPECT_EQ(std::tie(Stats().Attack, Stats().Pies, Stats().PieSteps, Stats().Health),
              std::tuple(1, 0, 0, 50));
    EXPECT_EQ(Stats().Serum, 1);
    ASSERT_FALSE(sounds.plays.empty());
    EXPECT_EQ(sounds.plays.front(), (sound::FakeSound::Play{Sound::sndSpell, false, false}));
    EXPECT_EQ(WalkSounds(), 0);
    ASSERT_EQ(Paintings(), paintings + 1) << "the room, no hallway";
    EXPECT_EQ(Main().fakeSurface().painted.back().picture, ui::imgRoom(game->RoomType[12] - 1));
    EXPECT_EQ(Main().ControlPlace(frmGorvak::shpRoomMarker).left, Corner(12).first - 4);
}

TEST_F(CharmTest, ACharmToTheCurrentRoomLooksAtItAgain)
{
    Stats().Spells = 1;
    Main().Click(frmGorvak::cmdSpell);
    random.PushDraw(10, 8);
    random.PushDraw(3, 1);
    ClickRoom(45);
    EXPECT_EQ(Stats().CurrentRoom, 45);
    EXPECT_EQ(Stats().Gold, 63);
    EXPECT_EQ(sounds.CountOf(Sound::sndSpell), 1);
}

TEST_F(CharmTest, APlaceWithNoRoomIsRefusedAndTheMoveStaysArmed)
{
    Start(WithHoles({12}));
    Stats().Spells = 1;
    Main().Click(frmGorvak::cmdSpell);
    windows.messages.clear();
    ClickRoom(12);
    EXPECT_EQ(windows.messages, std::vector<std::string>{std::string(texts::NoExit)});
    EXPECT_TRUE(Stats().SpellMode);
    EXPECT_EQ(Stats().CurrentRoom, 45);
    EXPECT_EQ(Stats().Spells, 0);
    EXPECT_TRUE(sounds.plays.empty());
    EXPECT_FALSE(Painted(12));
    NothingTurnsUp();
    ClickRoom(13);
    EXPECT_EQ(Stats().CurrentRoom, 13);
    EXPECT_FALSE(Stats().SpellMode);
}

// ---- The teleporter ------------------------------------------------------

using TeleportTest = ExplorationTest;

TEST_F(TeleportTest, LandsOnlyInAnotherRealRoomAtNoCost)
{
    Start(WithHoles({10, 11}));
    game->RoomItem[46] = ItemTeleport;
    for (int r : {46, 10, 11, 46, 33}) random.PushDraw(RoomCount, r);
    NothingTurnsUp();  // nothing in room 33
    WatchDiscovery();
    ClickRoom(46);
    EXPECT_EQ(seen.lines, std::vector<std::string>{"一個遠距離傳輸器！"});
    EXPECT_EQ(seen.picture, ui::Picture::Teleport);
    EXPECT_EQ(seen.stats.room, 46) << "the teleport waits for the pause";
    EXPECT_TRUE(random.ScriptUsedUp());
    EXPECT_EQ(Stats().CurrentRoom, 33);
    EXPECT_TRUE(Painted(33));
    EXPECT_EQ(Main().fakeSurface().painted.back().picture, ui::imgRoom(game->RoomType[33] - 1));
    EXPECT_EQ(Main().ControlPlace(frmGorvak::shpRoomMarker).top, Corner(33).second - 4);
    EXPECT_EQ(std::tie(Stats().Attack, Stats().Pies, Stats().PieSteps), std::tuple(99, 1, 1))
        << "only the step into the teleporter's room cost";
    EXPECT_EQ(sounds.plays.back(), (sound::FakeSound::Play{Sound::sndTeleport, false, false}));
}

TEST_F(TeleportTest, AChainOfTeleportersIsFollowed)
{
    game->RoomItem[46] = ItemTeleport;
    game->RoomItem[12] = ItemTeleport;
    game->RoomItem[70] = ItemSerum;
    random.PushDraw(RoomCount, 12);
    random.PushDraw(RoomCount, 12);  // where it already is: drawn again
    random.PushDraw(RoomCount, 70);
    const double start = clock.Now();
    ClickRoom(46);
    EXPECT_EQ(Stats().CurrentRoom, 70);
    EXPECT_EQ(Stats().Serum, 1);
    EXPECT_EQ(sounds.CountOf(Sound::sndTeleport), 2);
    EXPECT_EQ(game->RoomItem[12], ItemNone);
    EXPECT_NEAR(clock.Now() - start, 6.0, 1e-9) << "three finds, three pauses";
    EXPECT_TRUE(random.ScriptUsedUp());
}

}  // namespace
