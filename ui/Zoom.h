// The game drawn at a whole multiple of its design size: which multiples a
// screen has room for, where the picture sits on a full screen, and how
// places on the screen map back to the design's pixels. The game itself
// only ever sees design pixels.
#pragma once

#include <algorithm>
#include <optional>

namespace ui::zoom {

// 4x of the design's 640 x 481 already fills a 4K screen.
inline constexpr int LargestFactor = 4;

struct Size {
    int width = 0;
    int height = 0;
    friend constexpr bool operator==(Size, Size) = default;
};

struct Point {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(Point, Point) = default;
};

// The largest whole factor, up to `largest`, at which `design` fits in
// `room`; never below 1, however small the screen.
constexpr int LargestFitting(Size design, Size room, int largest)
{
    if (design.width <= 0 || design.height <= 0) return 1;
    const int fits = std::min(room.width / design.width, room.height / design.height);
    return std::clamp(fits, 1, std::max(1, largest));
}

// A picture scaled by a whole factor and centred on a screen.
struct Placement {
    int factor = 1;
    Point origin;  // the picture's top-left on the screen
    friend constexpr bool operator==(Placement, Placement) = default;
};

constexpr Placement Centred(Size design, Size screen, int factor)
{
    return {
        factor,
        {(screen.width - design.width * factor) / 2, (screen.height - design.height * factor) / 2}};
}

// Full screen: the largest whole factor that fits, centred.
constexpr Placement FullScreen(Size design, Size screen)
{
    return Centred(design, screen, LargestFitting(design, screen, 1 << 16));
}

// A point on the drawn picture in design pixels; nothing on the surround.
struct DesignPoint {
    float x;
    float y;
};
constexpr std::optional<DesignPoint> ToDesign(Placement p, Size design, float x, float y)
{
    const float dx = (x - static_cast<float>(p.origin.x)) / static_cast<float>(p.factor);
    const float dy = (y - static_cast<float>(p.origin.y)) / static_cast<float>(p.factor);
    if (dx < 0 || dy < 0 || dx >= static_cast<float>(design.width) ||
        dy >= static_cast<float>(design.height)) {
        return std::nullopt;
    }
    return DesignPoint{dx, dy};
}

// Windows open at places the game gives in design pixels relative to the
// main window's corner (the anchor); drawn `factor` times larger, they keep
// the same place over the picture.
constexpr Point ToScreen(Point design, Point anchor, int factor)
{
    return {anchor.x + (design.x - anchor.x) * factor, anchor.y + (design.y - anchor.y) * factor};
}
constexpr Point FromScreen(Point screen, Point anchor, int factor)
{
    auto back = [factor](int offset) {
        // Rounded towards minus infinity, so left of the anchor stays left.
        return offset >= 0 ? offset / factor : -((-offset + factor - 1) / factor);
    };
    return {anchor.x + back(screen.x - anchor.x), anchor.y + back(screen.y - anchor.y)};
}

// A window's top-left moved as little as it takes to put the window on the
// screen's room; one larger than the room keeps its top-left corner on it.
constexpr Point OnScreen(Point at, Size window, Point roomAt, Size room)
{
    auto keep = [](int v, int size, int low, int extent) {
        return std::max(low, std::min(v, low + extent - size));
    };
    return {keep(at.x, window.width, roomAt.x, room.width),
            keep(at.y, window.height, roomAt.y, room.height)};
}

}  // namespace ui::zoom
