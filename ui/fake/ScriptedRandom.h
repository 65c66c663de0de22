#pragma once

#include "ui/Random.h"

#include <deque>
#include <initializer_list>
#include <vector>

namespace ui {

// Hands out scripted values first, then a seeded generator's, so a test
// can fix the dice it cares about and still play on.
class ScriptedRandom final : public Random {
public:
    explicit ScriptedRandom(double fallbackSeed = 1.0) { fallback_.Randomize(fallbackSeed); }

    void Randomize(double seed) override { seeds.push_back(seed); }
    double Rnd() override
    {
        ++draws;
        if (script_.empty()) return fallback_.Rnd();
        const double u = script_.front();
        script_.pop_front();
        return u;
    }

    void Push(double u) { script_.push_back(u); }
    void Push(std::initializer_list<double> us)
    {
        for (double u : us) script_.push_back(u);
    }
    // A value that makes floor(n * u) come out as k.
    void PushDraw(int n, int k) { Push((k + 0.5) / n); }
    bool ScriptUsedUp() const { return script_.empty(); }
    void ClearScript() { script_.clear(); }

    std::vector<double> seeds;
    int draws = 0;

private:
    std::deque<double> script_;
    StdRandom fallback_;
};

}  // namespace ui
