#pragma once

#include <QString>

namespace ui {

// The bundled Traditional Chinese face, so every machine shows the same
// Hong Kong glyph forms whatever its locale. False if it cannot be loaded.
bool LoadGameFont(const QString& fontsFolder);

inline constexpr int GamePixelSize = 12;

}  // namespace ui

#include "ui/qt/GameStyle.h"  // ApplyGameStyle, the look that goes with it
