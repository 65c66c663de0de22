// Where the game's pictures, sounds, font and "Dungeon.gvk" are, found from
// the program's own location so that neither the install prefix nor the
// folder the player starts the game in matters.
#pragma once

#include <filesystem>

// The program's own folder when it holds audio/ (the build folder, or a copy
// made by hand), else the installed data folder relative to the program
// (/usr/games/gorvak reads /usr/share/games/gorvak). Empty when the program
// cannot tell where it is: the current folder then stands in.
std::filesystem::path GameDataFolder();

// The game reads "Dungeon.gvk" from the current folder, so an installed game
// that is given no dungeon file changes into its data folder before anything
// reads a file. A build folder is left alone: there the game plays the
// "Dungeon.gvk" of the folder it is started in.
void EnterInstalledDataFolder();
