#pragma once

namespace ui {

class Clock {
public:
    virtual ~Clock() = default;
    // Seconds on a clock that never jumps, midnight included: pauses use it.
    virtual double Now() const = 0;
    // Seconds since midnight: seeds the random source.
    virtual double SecondsSinceMidnight() const = 0;
};

class SystemClock final : public Clock {
public:
    double Now() const override;
    double SecondsSinceMidnight() const override;
};

}  // namespace ui
