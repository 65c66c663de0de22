// Sound files as the game reads them: RIFF WAVE holding integer PCM of 8 or
// 16 bits, any channel count and rate, made into one channel at the rate the
// game plays. A file cut short, one without samples, or any other encoding is
// refused rather than played cut off or silent.
#pragma once

#include "sound/Mixer.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace sound {

struct PcmFormat {
    int channels = 1;
    int rate = 0;
    int bits = 16;  // 8 is unsigned, 16 signed little-endian
};

// Whole frames of `data` as one channel at `outRate`: the channels averaged,
// 8 bits widened, another rate resampled by linear interpolation.
Clip ConvertClip(std::span<const std::uint8_t> data, const PcmFormat& from, int outRate);

// The file's samples converted as above, or nothing with `error` saying why.
std::optional<Clip> ReadWav(std::span<const std::uint8_t> file, int outRate, std::string& error);
std::optional<Clip> LoadWav(const std::filesystem::path& path, int outRate, std::string& error);

}  // namespace sound
