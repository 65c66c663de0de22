// Where the 10 x 8 grid of rooms lies on the main window, in pixels: each
// room's 32 x 32 cell, the hallway piece between two cells, the room under a
// click and the points of a room tile whose colour tells its doors, and the
// map's own colours. The map drawing, the walk, the keyboard, the dungeon
// tool, the fuzzer and the tests all take their geometry from here.
#pragma once

#include "core/Numbers.h"
#include "dungeon/Rooms.h"
#include "ui/Color.h"

#include <optional>

namespace grid {

struct Point {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(Point, Point) = default;
};

inline constexpr int Left = 106;  // room 0's corner
inline constexpr int Top = 50;
inline constexpr int Pitch = 44;  // from one cell's corner to the next
inline constexpr int CellSize = 32;
// The clickable map's far edges; a click must lie strictly inside all four.
inline constexpr int Right = 540;
inline constexpr int Bottom = 398;
// The hallway piece overlaps the two tiles it joins; it is this far from
// the corner of the room on its far side.
inline constexpr int HallReach = 25;
inline constexpr int HallBack = 19;  // and this far back from the near one

// An empty cell's grey, which a blink paints back, and the ring that marks
// the player's room.
inline constexpr ui::Color EmptyCellGrey = ui::RGB(168, 168, 168);
inline constexpr ui::Color MarkerYellow = ui::RGB(255, 255, 0);

// Room r's cell: ((r Mod 10) * 44 + 106, (r \ 10) * 44 + 50).
constexpr Point RoomCorner(int room)
{
    return {ColumnOf(room) * Pitch + Left, RowOf(room) * Pitch + Top};
}

constexpr Point CellCentre(int room)
{
    const Point corner = RoomCorner(room);
    return {corner.x + CellSize / 2, corner.y + CellSize / 2};
}

// The hallway piece painted when a room is entered walking in `walked`
// direction: it lies between that room (whose corner is given) and the one
// left behind. No piece for a code that is not a direction.
constexpr std::optional<Point> HallCorner(Point roomCorner, int walked)
{
    switch (walked) {
    case North: return Point{roomCorner.x, roomCorner.y + HallReach};
    case East: return Point{roomCorner.x - HallBack, roomCorner.y};
    case South: return Point{roomCorner.x, roomCorner.y - HallBack};
    case West: return Point{roomCorner.x + HallReach, roomCorner.y};
    default: return std::nullopt;
    }
}

// Hall0 stands upright between rooms above one another, Hall1 lies flat.
constexpr int HallPicture(Direction walked) { return walked == North || walked == South ? 0 : 1; }

// Whether a click lies on the map; strict on all four sides.
constexpr bool OnMap(double x, double y) { return x > Left && x < Right && y > Top && y < Bottom; }

// The room number under a point, by the rounding the game has always used:
// halves to even, then division truncating toward zero, so a point just left
// of or above the grid still gives column or row 0. Only meaningful on the
// map; RoomAt checks that first.
inline Int16 CalcRoomNumber(double x, double y)
{
    const long long column = RoundHalfEven(x - Left) / Pitch;
    const long long row = RoundHalfEven(y - Top) / Pitch;
    return Saturate(row * Columns + column);
}

inline std::optional<Int16> RoomAt(double x, double y)
{
    if (!OnMap(x, y)) return std::nullopt;
    return CalcRoomNumber(x, y);
}

// The point of a room tile, from its corner, whose colour is the door on
// that side: white is a wall.
constexpr Point DoorTestPoint(Direction side)
{
    switch (side) {
    case North: return {12, 1};
    case East: return {26, 12};
    case South: return {12, 25};
    case West: return {1, 12};
    }
    return {};
}

// The side of `from` that a walk to `to` leaves through, by room numbers
// alone (so across a row's end too, as the map's clicks always were); none
// when `to` is no neighbour.
constexpr std::optional<Direction> DirectionTo(int from, int to)
{
    for (Direction d : Directions) {
        if (NeighbourOf(from, d) == to) return d;
    }
    return std::nullopt;
}

// Where the map is read to tell whether a walk from `from` to `to` goes
// through a door: the side left through and the test point of the room
// left, on the map. None when `to` is no neighbour.
struct DoorProbe {
    Direction side;
    Point at;
};
constexpr std::optional<DoorProbe> DoorProbeBetween(int from, int to)
{
    const auto side = DirectionTo(from, to);
    if (!side) return std::nullopt;
    const Point corner = RoomCorner(from);
    const Point test = DoorTestPoint(*side);
    return DoorProbe{*side, {corner.x + test.x, corner.y + test.y}};
}

constexpr Direction Opposite(Direction d) { return static_cast<Direction>((d + 2) % 4); }

// One cell further in a direction, in pixels: what a walking key adds to
// the current cell's centre.
constexpr Point Step(Direction d)
{
    constexpr Point steps[4] = {{0, -Pitch}, {Pitch, 0}, {0, Pitch}, {-Pitch, 0}};
    return steps[d];
}

}  // namespace grid
