// Reading "Dungeon.gvk": 80 little-endian 16-bit room shapes, then 80 items.
// The game refuses a file it could not play soundly and says why.
#pragma once

#include "dungeon/Rooms.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

inline constexpr std::size_t DungeonFileSize = 320;

struct DungeonRead {
    std::optional<Dungeon> dungeon;  // set when the file is sound
    std::vector<std::string> problems;  // in Traditional Chinese, one per fault
};

DungeonRead ParseDungeon(std::span<const unsigned char> bytes);
DungeonRead ReadDungeonFile(const std::filesystem::path& path);

// Every problem of a dungeon that decodes: codes out of range, a missing
// start room, doors off the map or into an empty place. One-way doors and
// any number of final-monster rooms are allowed.
std::vector<std::string> DungeonProblems(const Dungeon& dungeon);

// The message box text for a refused file: the first problems and the end.
std::string DungeonMessage(const std::vector<std::string>& problems);

// The 320 bytes of a dungeon, for the tools and the tests.
std::vector<unsigned char> EncodeDungeon(const Dungeon& dungeon);
