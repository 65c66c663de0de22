// The whole dungeon drawn as the main window shows it once every room has
// been entered and every door walked, with each room's item marked.
#pragma once

#include "dungeon/Rooms.h"
#include "ui/qt/QtPictures.h"

#include <QImage>

// 640 x 480, the main window's background picture. The game's font must be
// the application font (LoadGameFont) for the legend.
QImage RenderDungeon(const Dungeon& dungeon, const ui::QtPictures& pictures);

// The same without the legend: no text, so no application object needed.
QImage RenderMap(const Dungeon& dungeon, const ui::QtPictures& pictures);

// The map alone, `size` pixels wide (at most MaxThumbnail): blown up by
// whole pixels to at least that width, then smoothly down to it, so a width
// of a whole multiple of the map's stays crisp pixel art.
inline constexpr int MaxThumbnail = 4096;
QImage Thumbnail(const Dungeon& dungeon, const ui::QtPictures& pictures, int size);
