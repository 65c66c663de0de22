#include "sound/Mixer.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace sound {

Mixer::Mixer(int voices, int channels, std::size_t bufferSamples)
    : voices_(static_cast<std::size_t>(voices)),
      sum_(bufferSamples),
      channels_(channels)
{
    if (voices < 1 || channels < 1) throw std::invalid_argument("Mixer: no voices or no channels");
}

Mixer::Voice& Mixer::At(int voice) { return voices_.at(static_cast<std::size_t>(voice)); }
const Mixer::Voice& Mixer::At(int voice) const
{
    return voices_.at(static_cast<std::size_t>(voice));
}

void Mixer::SetClip(int voice, Clip clip)
{
    Voice& v = At(voice);
    clip.resize(clip.size() - clip.size() % static_cast<std::size_t>(channels_));
    v = Voice{};
    v.clip = std::move(clip);
}

void Mixer::Play(int voice, bool restart, bool loop)
{
    Voice& v = At(voice);
    if (v.clip.empty()) return;
    if (v.playing && !restart) return;  // still sounding: let it go on
    v.position = 0;
    v.framesMixed = 0;
    v.playing = true;
    v.loop = loop;
}

bool Mixer::IsPlaying(int voice) const { return At(voice).playing; }

long Mixer::FramesMixed(int voice) const { return At(voice).framesMixed; }

void Mixer::StopAll()
{
    for (Voice& v : voices_) v.playing = false;
}

void Mixer::SetVolume(int percent)
{
    const std::int64_t share = std::clamp(percent, 0, 100);
    gain_ = (share * share * Unity + 5000) / 10000;
}

void Mixer::Mix(std::span<std::int16_t> out)
{
    const std::size_t samples = out.size() - out.size() % static_cast<std::size_t>(channels_);
    if (sum_.size() < samples) sum_.resize(samples);
    std::fill_n(sum_.begin(), samples, 0);
    for (Voice& v : voices_) {
        std::size_t done = 0;
        while (v.playing && done < samples) {
            const std::size_t n = std::min(samples - done, v.clip.size() - v.position);
            for (std::size_t i = 0; i < n; ++i) sum_[done + i] += v.clip[v.position + i];
            done += n;
            v.position += n;
            v.framesMixed += static_cast<long>(n) / channels_;
            if (v.position == v.clip.size()) {
                v.position = 0;
                v.playing = v.loop;
            }
        }
    }
    constexpr std::int32_t low = std::numeric_limits<std::int16_t>::min();
    constexpr std::int32_t high = std::numeric_limits<std::int16_t>::max();
    if (gain_ != Unity) {
        for (std::size_t i = 0; i < samples; ++i) {
            sum_[i] = static_cast<std::int32_t>((sum_[i] * gain_ + Unity / 2) >> 16);
        }
    }
    for (std::size_t i = 0; i < samples; ++i) {
        out[i] = static_cast<std::int16_t>(std::clamp(sum_[i], low, high));
    }
    std::fill(out.begin() + static_cast<std::ptrdiff_t>(samples), out.end(), std::int16_t{0});
}

}  // namespace sound
