// Pictures drawn from the map's pixel rules alone, for the fuzzer, which
// runs without a picture decoder: room tiles white outside with red door
// points, hallway pieces, and a background of grey cells in red outlines.
#pragma once

#include "dungeon/Grid.h"
#include "dungeon/Rooms.h"
#include "ui/Pictures.h"

class RuleTiles final : public ui::PictureSource {
public:
    ui::Color PixelOf(ui::Picture p, int x, int y) const override
    {
        const int id = static_cast<int>(p);
        const int room0 = static_cast<int>(ui::Picture::Room0);
        if (id >= room0 && id < room0 + 15)
            return RoomPixel(static_cast<Int16>(id - room0 + 1), x, y);
        if (p == ui::Picture::Hall0) return x >= 10 && x <= 14 ? kCorridor : ui::White;
        if (p == ui::Picture::Hall1) return y >= 10 && y <= 14 ? kCorridor : ui::White;
        if (p == ui::Picture::Gorvak) return BackgroundPixel(x, y);
        return ui::RGB(40, 30, 30);
    }

private:
    static constexpr ui::Color kCorridor = ui::RGB(120, 90, 60);

    static ui::Color RoomPixel(Int16 shape, int x, int y)
    {
        if (x >= 7 && x <= 24 && y >= 7 && y <= 24) return ui::RGB(90, 90, 100);
        const bool across = x >= 10 && x <= 14;
        const bool down = y >= 10 && y <= 14;
        if ((across && y < 7 && HasDoor(shape, North)) ||
            (across && y > 24 && HasDoor(shape, South)) ||
            (down && x < 7 && HasDoor(shape, West)) || (down && x > 24 && HasDoor(shape, East))) {
            return ui::RGB(255, 85, 85);
        }
        return ui::White;
    }

    static ui::Color BackgroundPixel(int x, int y)
    {
        const int cx = (x - grid::Left) % grid::Pitch;
        const int cy = (y - grid::Top) % grid::Pitch;
        if (x < grid::Left || y < grid::Top || x >= grid::Left + Columns * grid::Pitch ||
            y >= grid::Top + Rows * grid::Pitch || cx >= grid::CellSize || cy >= grid::CellSize) {
            return ui::RGB(32, 26, 34);
        }
        const int last = grid::CellSize - 1;
        if (cx == 0 || cy == 0 || cx == last || cy == last) return ui::RGB(168, 0, 0);
        return grid::EmptyCellGrey;
    }
};
