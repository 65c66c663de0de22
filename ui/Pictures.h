// The game's pictures: every one the windows paint, by name, with the size
// the game's geometry relies on. The files live in the "pictures" folder of
// the assets.
#pragma once

#include "ui/Color.h"

#include <string_view>

namespace ui {

enum class Picture : int {
    Gorvak,  // the main window's background: title, empty grid, button panel
    Room0,  // 15 room shapes, Room0 + shape code - 1
    Hall0 = Room0 + 15,
    Hall1,
    Dice0,  // 9 faces, Dice0 + k shows k + 1 pips
    Skeleton0 = Dice0 + 9,  // 4 frames: rest, attacking, hit, beaten
    Gold = Skeleton0 + 4,
    Spell,
    Serum,
    Thief,
    Teleport,
    Gorvak0,
    Gorvak1,
    Status,
    Discovery,
    Battle,
    Shoppe,
    Health,
    Magic,
    Weapons,
    Settings,
    Card,  // the how-to-play card: parchment, its pictures framed
    Count
};

inline constexpr int PictureCount = static_cast<int>(Picture::Count);

constexpr Picture imgRoom(int i) { return Picture(static_cast<int>(Picture::Room0) + i); }
constexpr Picture imgHall(int i) { return Picture(static_cast<int>(Picture::Hall0) + i); }
constexpr Picture imgDice(int i) { return Picture(static_cast<int>(Picture::Dice0) + i); }
constexpr Picture imgSkeleton(int i) { return Picture(static_cast<int>(Picture::Skeleton0) + i); }

struct PictureInfo {
    std::string_view file;  // without folder, e.g. "Room03.png"
    int width;
    int height;
};

const PictureInfo& InfoOf(Picture p);

// Read access to the decoded pictures, for surfaces that copy pixels.
class PictureSource {
public:
    virtual ~PictureSource() = default;
    virtual Color PixelOf(Picture p, int x, int y) const = 0;
};

}  // namespace ui
