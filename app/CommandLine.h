// `gorvak [OPTIONS] [FILE]`, answered before the application object exists:
// a Qt program without a display aborts while making it, and --help must
// work anywhere.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct CommandLine {
    // Set when the command line is answered without playing: the status to
    // exit with, and the answer, for standard output when the status is 0
    // (help, version) and for standard error otherwise (one line).
    std::optional<int> exitStatus;
    std::string answer;
    // The dungeon file to play, as the player named it (a file:// URI made a
    // path, byte for byte); empty for the game's own.
    std::string dungeon;
    // The language asked for with --lang, as given; empty for the desktop's.
    std::string language;
};

// `arguments` as main gets them, the program first. Qt's own options
// (-platform NAME, -reverse...) are let through for the application object.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);
