// A drawing surface that keeps what is drawn on it until it is painted over,
// and can tell the colour of any pixel it holds. The map's door rules read
// their answers back from it.
#pragma once

#include "ui/Color.h"
#include "ui/Pictures.h"

#include <string_view>

namespace ui {

class Surface {
public:
    virtual ~Surface() = default;

    // At the picture's own size, top-left at (x, y); never smoothed.
    virtual void PaintPicture(Picture picture, int x, int y) = 0;
    virtual void FillCircle(int x, int y, int radius, Color color) = 0;
    // Print draws text with its top-left at the current position.
    virtual void SetCurrentXY(int x, int y) = 0;
    virtual void Print(std::string_view text) = 0;
    // Back to the window's own background picture.
    virtual void Clear() = 0;
    // Outside the surface: white, which the map reads as "no door".
    virtual Color Point(int x, int y) const = 0;
};

}  // namespace ui
