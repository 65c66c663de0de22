// Reading a dungeon file ("Dungeon.gvk" or the player's own): 80
// little-endian 16-bit room shapes, then 80 items. The game refuses a file it
// could not play soundly and says why, naming the file.
#pragma once

#include "dungeon/Rooms.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::size_t DungeonFileSize = 320;

struct DungeonRead {
    std::optional<Dungeon> dungeon;  // set when the file is sound
    std::vector<std::string> problems;  // in Traditional Chinese, one per fault
};

// `name` is the file's name in the messages: the built-in one unless given.
DungeonRead ParseDungeon(std::span<const unsigned char> bytes);
DungeonRead ParseDungeon(std::span<const unsigned char> bytes, std::string_view name);
// Named in the messages by `path` as given, which is how the player named it.
DungeonRead ReadDungeonFile(const std::filesystem::path& path);

// "Cannot open" for the file called `name`.
std::string DungeonMissingText(std::string_view name);

// Every problem of a dungeon that decodes: codes out of range, a missing
// start room, doors off the map or into an empty place. One-way doors and
// any number of final-monster rooms are allowed.
std::vector<std::string> DungeonProblems(const Dungeon& dungeon);

// The message box text for a refused file: the first problems and the end.
std::string DungeonMessage(const std::vector<std::string>& problems);

// The 320 bytes of a dungeon, for the tools and the tests.
std::vector<unsigned char> EncodeDungeon(const Dungeon& dungeon);
