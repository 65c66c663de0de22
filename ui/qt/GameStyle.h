#pragma once

namespace ui {

// Buttons and message boxes in the colours of the game's pictures: dark
// wood, parchment and brass.
void ApplyGameStyle();

}  // namespace ui
