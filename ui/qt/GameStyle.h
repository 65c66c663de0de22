#pragma once

namespace ui {

// Buttons and message boxes in the colours of the game's pictures: dark
// wood, parchment and brass.
void ApplyGameStyle();

// The window property that tells the style a game window's zoom.
inline constexpr char ZoomProperty[] = "gameZoom";

}  // namespace ui
