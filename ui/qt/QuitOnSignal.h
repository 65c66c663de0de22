#pragma once

#include <functional>

namespace ui {

class WindowSystem;

// SIGINT, SIGTERM and SIGHUP end the game with status 0, as the quit button
// does, at any moment from the first line of main on.

// Catches the three signals. Call it first thing in main, before anything
// slow: until then a signal still ends the process by the signal. Calling it
// again installs the handler again, on the same socket.
void CatchQuitSignals();

// Whether one of the signals has come. Start-up asks between its slow steps
// and ends at once, before any window exists.
bool QuitSignalCaught();

// Needs the application object: from now on a signal (one that came earlier
// included) runs `quit` from the event loop. A later call replaces `quit`.
void QuitOnSignals(std::function<void()> quit);

// The same, ending through the windows so that every wait unwinds.
void QuitOnSignals(WindowSystem& windows);

}  // namespace ui
