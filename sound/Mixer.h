// The voices behind the eleven effects, mixed into the device's buffer.
// No device here: the device layer calls Mix from its output's thread and
// everything else with one lock held, so this needs no locking of its own.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace sound {

// Interleaved signed 16-bit samples in the device's channel count and rate.
using Clip = std::vector<std::int16_t>;

class Mixer {
public:
    // `channels` samples to a frame, interleaved, the same for every clip.
    // `bufferSamples`, the device's buffer, is set aside at once, so the
    // audio callback never allocates.
    Mixer(int voices, int channels, std::size_t bufferSamples = 0);

    void SetClip(int voice, Clip clip);
    // One voice per clip, so an effect never overlaps itself. `restart`
    // starts it again from its beginning; otherwise a voice still sounding
    // goes on, and one that has ended starts from its beginning.
    void Play(int voice, bool restart, bool loop);
    bool IsPlaying(int voice) const;
    // Frames of the current play already mixed: 0 until the first samples
    // have gone out.
    long FramesMixed(int voice) const;
    void StopAll();
    // The effects' volume, 0 (silence) to 100 (the clips as they are). The
    // gain follows loudness rather than amplitude: it is the square of the
    // share, so 50 % sounds about half as loud.
    void SetVolume(int percent);

    // Fills `out` (whole frames) with the sum of every sounding voice,
    // clipped to the sample range; silence when none sounds.
    void Mix(std::span<std::int16_t> out);

    int Channels() const { return channels_; }

private:
    struct Voice {
        Clip clip;
        std::size_t position = 0;  // in samples
        long framesMixed = 0;
        bool playing = false;
        bool loop = false;
    };

    Voice& At(int voice);
    const Voice& At(int voice) const;

    std::vector<Voice> voices_;
    std::vector<std::int32_t> sum_;
    int channels_;
    std::int64_t gain_ = Unity;  // in 1/65536

    static constexpr std::int64_t Unity = 1 << 16;
};

}  // namespace sound
