#pragma once

#include <QString>

namespace ui {

// The bundled face, so every machine shows the same glyph forms whatever its
// locale: for a language in Simplified Chinese the mainland forms, for the
// rest (Latin letters too) the Hong Kong ones. Becomes the application's
// font; loading another language's later replaces it. False if it cannot
// be loaded.
bool LoadGameFont(const QString& fontsFolder, const QString& language = QString());

inline constexpr int GamePixelSize = 12;

}  // namespace ui

#include "ui/qt/GameStyle.h"  // ApplyGameStyle, the look that goes with it
