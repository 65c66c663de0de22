// The grid's geometry: where cells and hallways lie, which room a click
// means, and where a tile shows its doors.
#include "dungeon/Grid.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>

namespace {

using grid::Point;

TEST(Grid, RoomCornersFollowTheFortyFourPixelPitchFromTheMapsCorner)
{
    EXPECT_EQ(grid::RoomCorner(0), (Point{106, 50}));
    EXPECT_EQ(grid::RoomCorner(45), (Point{326, 226}));
    EXPECT_EQ(grid::RoomCorner(79), (Point{502, 358}));
    EXPECT_EQ(grid::CellCentre(45), (Point{342, 242}));
}

TEST(Grid, HallwayPiecesLieBetweenTheRoomEnteredAndTheOneLeft)
{
    const std::array<std::pair<Direction, Point>, 4> expected = {
        {{North, {326, 251}}, {East, {307, 226}}, {South, {326, 207}}, {West, {351, 226}}}};
    for (const auto& [direction, place] : expected) {
        EXPECT_EQ(grid::HallCorner({326, 226}, direction), place) << "direction " << direction;
    }
    EXPECT_FALSE(grid::HallCorner({326, 226}, 4)) << "not a direction: no piece";
    EXPECT_EQ(grid::HallPicture(North), 0);
    EXPECT_EQ(grid::HallPicture(South), 0);
    EXPECT_EQ(grid::HallPicture(East), 1);
    EXPECT_EQ(grid::HallPicture(West), 1);
}

TEST(Grid, CalcRoomNumberRoundsHalvesToEvenThenTruncates)
{
    EXPECT_EQ(grid::CalcRoomNumber(107, 51), 0);
    EXPECT_EQ(grid::CalcRoomNumber(149.6f, 51), 1);
    EXPECT_EQ(grid::CalcRoomNumber(149.4f, 51), 0);
    EXPECT_EQ(grid::CalcRoomNumber(539, 397), 79);
    EXPECT_EQ(grid::CalcRoomNumber(106 + 43.5f, 51), 1);  // 43.5 rounds to 44
    EXPECT_EQ(grid::CalcRoomNumber(106 + 42.5f, 51), 0);  // 42.5 rounds to 42
    EXPECT_EQ(grid::CalcRoomNumber(106 + 44 * 5 + 1, 50 + 44 * 4 + 40), 45);
    // Just outside the grid truncation still gives row or column 0.
    EXPECT_EQ(grid::CalcRoomNumber(100, 51), 0);
}

TEST(Grid, TheMapIsStrictOnAllFourSides)
{
    for (auto [x, y] : {std::pair(106.0, 242.0), {540.0, 242.0}, {342.0, 50.0}, {342.0, 398.0}}) {
        EXPECT_FALSE(grid::RoomAt(x, y)) << x << "," << y;
    }
    EXPECT_EQ(grid::RoomAt(106.5, 242), 40);
    EXPECT_EQ(grid::RoomAt(539.9, 242), 49);
    EXPECT_EQ(grid::RoomAt(342, 50.5), 5);
    EXPECT_EQ(grid::RoomAt(342, 397.9), 75);
}

TEST(Grid, TheDoorIsReadAtTheTestPointOfTheRoomLeft)
{
    const auto probe = grid::DoorProbeBetween(45, 46);
    ASSERT_TRUE(probe);
    EXPECT_EQ(probe->side, East);
    EXPECT_EQ(probe->at, (Point{326 + 26, 226 + 12}));
    EXPECT_EQ(grid::DoorProbeBetween(45, 35)->at, (Point{326 + 12, 226 + 1}));
    EXPECT_FALSE(grid::DoorProbeBetween(45, 47));
}

TEST(Grid, DirectionsGoByRoomNumberAloneAcrossARowsEndToo)
{
    EXPECT_EQ(grid::DirectionTo(45, 35), North);
    EXPECT_EQ(grid::DirectionTo(45, 46), East);
    EXPECT_EQ(grid::DirectionTo(45, 55), South);
    EXPECT_EQ(grid::DirectionTo(45, 44), West);
    EXPECT_EQ(grid::DirectionTo(49, 50), East) << "the number after a row's end";
    EXPECT_FALSE(grid::DirectionTo(45, 45));
    EXPECT_FALSE(grid::DirectionTo(45, 56));
    EXPECT_FALSE(grid::DirectionTo(45, 25));
}

TEST(Grid, OppositeSidesAndKeyStepsPairUp)
{
    for (Direction d : Directions) {
        EXPECT_EQ(grid::Opposite(grid::Opposite(d)), d);
        EXPECT_NE(grid::Opposite(d), d);
        const Point there = grid::Step(d);
        const Point back = grid::Step(grid::Opposite(d));
        EXPECT_EQ(there.x + back.x, 0);
        EXPECT_EQ(there.y + back.y, 0);
        // A step from a cell's centre lands on the neighbour's centre.
        const Point from = grid::CellCentre(45);
        EXPECT_EQ(grid::RoomAt(from.x + there.x, from.y + there.y), NeighbourOf(45, d));
    }
    EXPECT_EQ(grid::Opposite(North), South);
    EXPECT_EQ(grid::Opposite(East), West);
}

}  // namespace
