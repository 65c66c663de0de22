#pragma once

#include <functional>

class QWidget;

// The whole program: font, pictures, windows, sound, the main window's load
// sequence and the event loop. Returns the exit status. `onMainWindow`, if
// given, sees the main window before it is first shown (the benchmark
// watches for its first paint).
int RunGame(int argc, char* argv[], const std::function<void(QWidget*)>& onMainWindow = {});
