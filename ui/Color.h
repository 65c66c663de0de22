#pragma once

#include <cstdint>

namespace ui {

struct Color {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    friend constexpr bool operator==(Color, Color) = default;
};

constexpr Color RGB(int r, int g, int b)
{
    return Color{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                 static_cast<std::uint8_t>(b)};
}

inline constexpr Color White = RGB(255, 255, 255);
inline constexpr Color Black = RGB(0, 0, 0);

}  // namespace ui
