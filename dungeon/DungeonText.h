// Dungeons written as text: 8 lines of 10 cells, each cell its doors from
// "NESW" (or "." for no room), a colon and an item letter:
//   .  nothing   s  serum      c  charm       g  gold
//   k  skeleton  t  thief      p  teleporter  z  the final monster
// Lines starting with # and blank lines are ignored. The file
// assets/dungeon.txt describes the shipped dungeon this way.
#pragma once

#include "dungeon/Rooms.h"

#include <optional>
#include <string>
#include <string_view>

struct DungeonText {
    std::optional<Dungeon> dungeon;
    std::string error;  // what is wrong and where, when dungeon is empty
};

DungeonText ParseDungeonText(std::string_view text);

// The shape code of a set of doors, 0 for none.
Int16 ShapeOf(bool north, bool east, bool south, bool west);
