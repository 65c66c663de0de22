// What the rooms give and take, one find at a time.
#include "exploration/Finds.h"
#include "support/Boards.h"

#include <gtest/gtest.h>

#include <deque>
#include <tuple>
#include <utility>

namespace {

// floor(n * u) comes out as k.
double DrawOf(int n, int k) { return (k + 0.5) / n; }

TEST(Finds, AnEmptyRoomHoldsASkeletonOnFiveToSevenAndGoldOnEightOrNine)
{
    for (int k = 0; k < 10; ++k) {
        const Int16 expected = k >= 8 ? ItemGold : k >= 5 ? ItemSkeleton : ItemNone;
        EXPECT_EQ(finds::RandomFind(DrawOf(10, k)), expected) << "draw " << k;
    }
    for (auto [u, expected] : {std::pair(0.4999, ItemNone),
                               {0.5, ItemSkeleton},
                               {0.7999, ItemSkeleton},
                               {0.8, ItemGold},
                               {0.9999, ItemGold}}) {
        EXPECT_EQ(finds::RandomFind(u), expected) << "u " << u;
    }
}

TEST(Finds, GoldIsTwoToFourCoinsAndSerumFifteenToTwentyNine)
{
    for (int k = 0; k < 3; ++k) EXPECT_EQ(finds::GoldAmount(DrawOf(3, k)), 2 + k);
    EXPECT_EQ(finds::SerumBoost(0.0), 15);
    EXPECT_EQ(finds::SerumBoost(0.9999), 29);
}

TEST(Finds, TheThiefTakesAQuarterRoundedHalfToEven)
{
    for (auto [gold, left] : {std::pair(2, 2), {6, 4}, {10, 8}, {14, 10}, {0, 0}, {7, 5}}) {
        const auto g = static_cast<Int16>(gold);
        EXPECT_EQ(g - finds::ThiefShare(g), left) << "from " << gold;
    }
}

TEST(Finds, EachContentChangesItsStatisticAndSaysWhatFollows)
{
    using finds::Then;
    struct Case {
        Int16 item;
        Int16 gold, spells, serum;
        Then then;
    };
    const Case cases[] = {
        {ItemGold, 3, 0, 0, Then::Show},           {ItemSpell, 0, 1, 0, Then::Show},
        {ItemSerum, 0, 0, 1, Then::Show},          {ItemThief, -4, 0, 0, Then::Show},
        {ItemTeleport, 0, 0, 0, Then::Teleport},   {ItemSkeleton, 0, 0, 0, Then::Fight},
        {ItemGorvak, 0, 0, 0, Then::FinalMonster}, {ItemNone, 0, 0, 0, Then::Nothing},
        {LastItem + 1, 0, 0, 0, Then::Nothing},    {-1, 0, 0, 0, Then::Nothing}};
    for (const Case& c : cases) {
        int draws = 0;
        const finds::Find find = finds::FindIn(c.item, 14, [&draws] {
            ++draws;
            return DrawOf(3, 1);
        });
        EXPECT_EQ(std::tuple(find.gold, find.spells, find.serum, find.then),
                  std::tuple(c.gold, c.spells, c.serum, c.then))
            << "item " << c.item;
        EXPECT_EQ(draws, c.item == ItemGold ? 1 : 0) << "only gold draws, its amount";
    }
}

TEST(Finds, ATeleporterSendsToAnotherRoomRedrawingEmptyPlacesAndTheRoomItself)
{
    const Dungeon d = testing_support::FromText(R"(
E:. W:. .:. .:. .:. .:. .:. .:. .:. .:.
.:. .:. .:. .:. .:. .:. .:. .:. .:. .:.
.:. .:. .:. .:. .:. .:. .:. .:. .:. .:.
.:. .:. .:. .:. .:. .:. .:. .:. .:. .:.
.:. .:. .:. .:. .:. S:. .:. .:. .:. .:.
.:. .:. .:. .:. .:. N:. .:. .:. .:. .:.
.:. .:. .:. .:. .:. .:. .:. .:. .:. .:.
.:. .:. .:. .:. .:. .:. .:. .:. .:. .:.
)");
    // Drawn in turn: an empty place, the player's own room, then room 1.
    std::deque<double> draws = {DrawOf(80, 30), DrawOf(80, 45), DrawOf(80, 1), DrawOf(80, 55)};
    int used = 0;
    const Int16 target = finds::TeleportTarget(d.RoomType, 45, [&] {
        ++used;
        const double u = draws.front();
        draws.pop_front();
        return u;
    });
    EXPECT_EQ(target, 1);
    EXPECT_EQ(used, 3);
}

TEST(Rooms, TheShuffleDrawsOnlyRoomsAndLeavesTheStartRoomAlone)
{
    const Dungeon d = testing_support::FromText(R"(
.:. .:. .:. .:. .:. .:. .:. .:. .:. .:.
.:. .:. .:. .:. .:. .:. .:. .:. .:. .:.
.:. .:. .:. .:. .:. .:. .:. .:. .:. .:.
.:. .:. .:. .:. .:. S:. .:. .:. .:. .:.
.:. .:. .:. .:. .:. NS:. .:. .:. .:. .:.
.:. .:. .:. .:. .:. N:z .:. .:. .:. .:.
.:. .:. .:. .:. .:. .:. .:. .:. .:. .:.
.:. .:. .:. .:. .:. .:. .:. .:. .:. .:.
)");
    std::deque<double> draws = {DrawOf(80, 0), DrawOf(80, 79), DrawOf(80, 35)};
    EXPECT_EQ(AnyRoom(d.RoomType,
                      [&] {
                          const double u = draws.front();
                          draws.pop_front();
                          return u;
                      }),
              35);
    EXPECT_TRUE(ShuffleSwaps(35, 55));
    EXPECT_FALSE(ShuffleSwaps(35, StartRoom));
    EXPECT_FALSE(ShuffleSwaps(StartRoom, 55));
    EXPECT_EQ(GorvakRoomOf(d.RoomItem), 55);
    EXPECT_EQ(GorvakRoomOf({}), 0) << "none reads as room 0";
    std::array<Int16, RoomCount> two{};
    two[10] = two[70] = ItemGorvak;
    EXPECT_EQ(GorvakRoomOf(two), 70) << "the last one";
}

}  // namespace
