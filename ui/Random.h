#pragma once

#include <cstdint>
#include <random>

namespace ui {

class Random {
public:
    virtual ~Random() = default;
    virtual void Randomize(double seed) = 0;
    // Uniform in [0, 1).
    virtual double Rnd() = 0;
};

class StdRandom final : public Random {
public:
    void Randomize(double seed) override;
    double Rnd() override;

private:
    std::mt19937 engine_{0};
};

}  // namespace ui
