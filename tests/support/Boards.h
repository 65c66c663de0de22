// Dungeons for the tests, written as text boards (8 rows of 10 cells, each
// cell its doors from "NESW" or "." for no room, a colon and an item), and
// where the shipped assets are. Rules only: no window.
#pragma once

#include "dungeon/DungeonText.h"

#include <filesystem>
#include <stdexcept>
#include <string_view>

namespace testing_support {

inline std::filesystem::path AssetsFolder() { return GORVAK_ASSETS_DIR; }

inline Dungeon FromText(std::string_view text)
{
    const DungeonText parsed = ParseDungeonText(text);
    if (!parsed.dungeon) throw std::invalid_argument(parsed.error);
    return *parsed.dungeon;
}

// Every place a room with all four doors allowed by the map's edges, start
// room empty, nothing anywhere: a base to write small cases on.
inline Dungeon OpenDungeon()
{
    Dungeon d;
    for (int r = 0; r < RoomCount; ++r) {
        const bool n = RowOf(r) > 0;
        const bool s = RowOf(r) < Rows - 1;
        const bool e = ColumnOf(r) < Columns - 1;
        const bool w = ColumnOf(r) > 0;
        d.RoomType[r] = ShapeOf(n, e, s, w);
        d.RoomItem[r] = ItemNone;
    }
    return d;
}

}  // namespace testing_support
