// What the rooms give and take, one find at a time. Each rule takes the
// uniform draw (or a source of them) it needs and returns the outcome; the
// main window shows it, plays it and pauses.
#pragma once

#include "core/Numbers.h"
#include "dungeon/Rooms.h"

#include <array>

namespace finds {

// What an empty room turns out to hold on arrival: a draw of ten, where
// 5 to 7 is a skeleton, 8 and 9 gold, anything lower nothing.
inline Int16 RandomFind(double u)
{
    const int r = RandomDraw(10, u, 0);
    if (r >= 5 && r <= 7) return ItemSkeleton;
    if (r >= 8) return ItemGold;
    return ItemNone;
}

// Gold lying in a room: 2 to 4 pieces.
inline int GoldAmount(double u) { return RandomDraw(3, u, 2); }

// The thief takes a quarter of the purse, rounded half to even.
inline Int16 ThiefShare(Int16 gold) { return Saturate(RoundHalfEven(gold / 4.0)); }

// A bottle of serum gives 15 to 29 attack points.
inline int SerumBoost(double u) { return RandomDraw(15, u, 15); }

// Where a teleporter sends the player: any other room.
template <class DrawSource>
Int16 TeleportTarget(const std::array<Int16, RoomCount>& shapes, Int16 current, DrawSource&& rnd)
{
    // Ends: every room shape has a door and the dungeon reader lets no door
    // lead to an empty place, so there is always a second room.
    Int16 r = 0;
    do {
        r = static_cast<Int16>(RandomDraw(RoomCount, rnd(), 0));
    } while (shapes.at(r) == 0 || r == current);
    return r;
}

}  // namespace finds
