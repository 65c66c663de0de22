// Advice about a dungeon the game accepts: things that are allowed but are
// most likely not what its maker meant.
#pragma once

#include "dungeon/Rooms.h"

#include <string>
#include <vector>

// One line per note, each starting with tooltexts::NotePrefix. Only for a
// dungeon with no DungeonProblems.
std::vector<std::string> DungeonNotes(const Dungeon& dungeon);

// Which rooms a player can walk to from the start room, through doors alone.
std::vector<bool> WalkableFromStart(const Dungeon& dungeon);
