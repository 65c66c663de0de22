// Every game quantity is a 16-bit signed integer. Additions saturate at the
// ends of the range instead of wrapping, so no amount of gold or charms can
// turn negative.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

using Int16 = std::int16_t;

constexpr Int16 Saturate(long long value)
{
    return static_cast<Int16>(std::clamp<long long>(value, std::numeric_limits<Int16>::min(),
                                                    std::numeric_limits<Int16>::max()));
}

constexpr Int16 SatAdd(Int16 a, long long b) { return Saturate(static_cast<long long>(a) + b); }

// Nearest whole number, an exact half going to the even neighbour.
inline long long RoundHalfEven(double value)
{
    const double lower = std::floor(value);
    const double diff = value - lower;
    if (diff > 0.5) return static_cast<long long>(lower) + 1;
    if (diff < 0.5) return static_cast<long long>(lower);
    const auto l = static_cast<long long>(lower);
    return (l % 2 == 0) ? l : l + 1;
}

// floor(n * u) + base: a draw of n values starting at base.
inline int RandomDraw(int n, double u, int base)
{
    return static_cast<int>(std::floor(n * u)) + base;
}

inline std::string Decimal(long long value) { return std::to_string(value); }
