#include "ui/Random.h"

#include <cmath>

namespace ui {

void StdRandom::Randomize(double seed)
{
    // Milliseconds of the day, so two games a second apart differ.
    engine_.seed(static_cast<std::uint32_t>(std::llround(seed * 1000.0)));
}

double StdRandom::Rnd()
{
    // 24 bits: every value is exact in single precision, as the game's
    // draws were, so the rounding of halves behaves as intended.
    return static_cast<double>(engine_() >> 8) / 16777216.0;
}

}  // namespace ui
