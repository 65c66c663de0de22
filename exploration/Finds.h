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

// What a room's content does on arrival: the statistics it changes and what
// follows. Gold lying there is counted, the thief takes his share; a
// teleporter, the skeleton and the final monster lead on.
enum class Then { Nothing, Show, Teleport, Fight, FinalMonster };
struct Find {
    Int16 gold = 0;  // found, or stolen when below zero
    Int16 spells = 0;
    Int16 serum = 0;
    Then then = Then::Nothing;  // Show and the next two show the find first
};

// The find of a content code; only gold draws (its amount). Codes that are
// no content find nothing.
template <class DrawSource>
Find FindIn(Int16 item, Int16 gold, DrawSource&& rnd)
{
    switch (item) {
    case ItemGold: return {.gold = static_cast<Int16>(GoldAmount(rnd())), .then = Then::Show};
    case ItemSpell: return {.spells = 1, .then = Then::Show};
    case ItemSerum: return {.serum = 1, .then = Then::Show};
    case ItemThief: return {.gold = static_cast<Int16>(-ThiefShare(gold)), .then = Then::Show};
    case ItemTeleport: return {.then = Then::Teleport};
    case ItemSkeleton: return {.then = Then::Fight};
    case ItemGorvak: return {.then = Then::FinalMonster};
    default: return {};
    }
}

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
