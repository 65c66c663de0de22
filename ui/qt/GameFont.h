#pragma once

#include <QString>

namespace ui {

// The bundled Traditional Chinese face, so every machine shows the same
// Hong Kong glyph forms whatever its locale. False if it cannot be loaded.
bool LoadGameFont(const QString& fontsFolder);

inline constexpr int GamePixelSize = 12;

}  // namespace ui

namespace ui {

// Buttons and message boxes in the colours of the game's pictures: dark
// wood, parchment and brass.
void ApplyGameStyle();

}  // namespace ui
