#pragma once

namespace ui {

class WindowSystem;

// SIGINT, SIGTERM and SIGHUP end the game as the quit button does.
void QuitOnSignals(WindowSystem& windows);

}  // namespace ui
