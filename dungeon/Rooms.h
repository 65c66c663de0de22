// The grid of 80 room places, the room-shape and item codes, and the small
// arithmetic of room numbers and doors.
#pragma once

#include "core/Numbers.h"

#include <array>

inline constexpr int RoomCount = 80;
inline constexpr int Columns = 10;
inline constexpr int Rows = 8;
inline constexpr Int16 StartRoom = 45;

enum Item : Int16 {
    ItemNone = 0,
    ItemSerum = 1,
    ItemSpell = 2,
    ItemGold = 3,
    ItemSkeleton = 4,
    ItemThief = 5,
    ItemTeleport = 6,
    ItemGorvak = 7,
};
inline constexpr Int16 LastItem = ItemGorvak;
inline constexpr Int16 LastShape = 15;  // 0 is "no room", 1..15 a room

enum Direction : Int16 { North = 0, East = 1, South = 2, West = 3 };
inline constexpr std::array<Direction, 4> Directions = {North, East, South, West};

constexpr int RowOf(int room) { return room / Columns; }
constexpr int ColumnOf(int room) { return room % Columns; }

// By number alone, as the map's clicks see it: across a row's end too.
constexpr int NeighbourOf(int room, Direction d)
{
    constexpr std::array<int, 4> step = {-Columns, 1, Columns, -1};
    return room + step[d];
}

// Which sides of a room shape have doors: the fifteen non-empty sets of
// sides, single doors first, then pairs, then threes, each group ordered
// north, east, south, west.
constexpr bool HasDoor(Int16 shape, Direction d)
{
    constexpr std::array<unsigned, 16> doors = {0b0000,  // no room
                                                0b0001, 0b0010, 0b0100, 0b1000,  // N, E, S, W
                                                0b0011, 0b0101, 0b1001, 0b0110,
                                                0b1010, 0b1100,  // NE NS NW ES EW SW
                                                0b0111, 0b1011, 0b1101, 0b1110,  // NES NEW NSW ESW
                                                0b1111};
    if (shape < 0 || shape > LastShape) return false;
    return (doors[static_cast<std::size_t>(shape)] >> d) & 1U;
}

// Whether a door on this side of this place would lead off the grid or
// around a row's end.
constexpr bool LeadsOffMap(int room, Direction d)
{
    switch (d) {
    case North: return RowOf(room) == 0;
    case South: return RowOf(room) == Rows - 1;
    case East: return ColumnOf(room) == Columns - 1;
    case West: return ColumnOf(room) == 0;
    }
    return true;
}

// The final monster's room: the last one holding it; none reads as room 0.
constexpr Int16 GorvakRoomOf(const std::array<Int16, RoomCount>& items)
{
    Int16 found = 0;
    for (Int16 r = 0; r < RoomCount; ++r) {
        if (items[static_cast<std::size_t>(r)] == ItemGorvak) found = r;
    }
    return found;
}

// Any place holding a room, drawn until one is found.
template <class DrawSource>
Int16 AnyRoom(const std::array<Int16, RoomCount>& shapes, DrawSource&& rnd)
{
    Int16 r = 0;
    do {
        r = static_cast<Int16>(RandomDraw(RoomCount, rnd(), 0));
    } while (shapes.at(static_cast<std::size_t>(r)) == 0);
    return r;
}

// The start-up shuffle swaps two rooms' items unless either is the start
// room, which keeps its own.
constexpr bool ShuffleSwaps(Int16 a, Int16 b) { return a != StartRoom && b != StartRoom; }

struct Dungeon {
    std::array<Int16, RoomCount> RoomType{};
    std::array<Int16, RoomCount> RoomItem{};
};
