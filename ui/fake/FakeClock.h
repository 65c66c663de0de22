#pragma once

#include "ui/Clock.h"

#include <cmath>

namespace ui {

// Virtual time: only the fake window system's waits move it on.
class FakeClock final : public Clock {
public:
    explicit FakeClock(double secondsSinceMidnight = 12 * 3600.0)
        : dayStart_(secondsSinceMidnight)
    {
    }

    double Now() const override { return now_; }
    double SecondsSinceMidnight() const override
    {
        return std::fmod(dayStart_ + (now_ - kStart), 86400.0);
    }
    void Advance(double seconds) { now_ += seconds; }
    void AdvanceTo(double t)
    {
        if (t > now_) now_ = t;
    }

private:
    double dayStart_;
    static constexpr double kStart = 1000.0;
    double now_ = kStart;
};

}  // namespace ui
