// Where the mixed effects go: a sound device that asks for samples from a
// thread of its own. The libraries behind it are loaded when first opened,
// off the window's path, and only the one that works stays loaded.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

namespace sound {

// Every output plays one channel of signed 16-bit samples at this rate (the
// effects' own), asking for at most this many frames at a time: a click is
// mixed within one such buffer, 11.6 ms.
inline constexpr int OutputRate = 22050;
inline constexpr int OutputFrames = 256;

// Fills the buffer with the next samples; called on the output's thread.
using Fill = std::function<void(std::span<std::int16_t>)>;

class Output {
public:
    virtual ~Output() = default;
    // Starts asking `fill` for samples; false, with Error() saying why,
    // when no device opens. May be called again after Close.
    virtual bool Open(Fill fill) = 0;
    // The device has gone: a sound server stopped, a card was unplugged.
    virtual bool Lost() const = 0;
    virtual void Close() = 0;
    // Nothing will sound for a while (from `fill`, on the output's thread):
    // the device may stop asking, and the machine sleep. Wake, from any
    // thread and never waiting on the device, asks again.
    virtual void Rest() { }
    virtual void Wake() { }
    const std::string& Error() const { return error_; }

protected:
    std::string error_;
};

// A PulseAudio server (PipeWire serves the same protocol).
std::unique_ptr<Output> MakePulseOutput();
// SDL's audio, any of its drivers, or the one SDL_AUDIODRIVER names.
std::unique_ptr<Output> MakeSdlOutput();

}  // namespace sound
