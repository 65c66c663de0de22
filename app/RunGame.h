#pragma once

#include <functional>
#include <string>

class QWidget;

// The whole program: font, pictures, windows, sound, the main window's load
// sequence and the event loop. Returns the exit status. `onMainWindow`, if
// given, sees the main window before it is first shown (the benchmark
// watches for its first paint). `dungeon` is the dungeon file to play,
// "Dungeon.gvk" of the current folder when empty; `language` the language
// asked for by name, the desktop's when empty (one the game does not speak
// is refused on standard error, with status 2, before any window).
int RunGame(int argc, char* argv[], const std::function<void(QWidget*)>& onMainWindow = {},
            const std::string& dungeon = {}, const std::string& language = {});
