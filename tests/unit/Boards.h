// Dungeons for the rules' tests, written as text boards: 8 rows of 10 cells,
// each cell its doors from "NESW" (or "." for no room), a colon and an item.
#pragma once

#include "dungeon/DungeonText.h"

#include <stdexcept>
#include <string_view>

inline Dungeon Board(std::string_view text)
{
    const DungeonText parsed = ParseDungeonText(text);
    if (!parsed.dungeon) throw std::invalid_argument(parsed.error);
    return *parsed.dungeon;
}
