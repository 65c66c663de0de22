#include "sound/Wav.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <limits>

namespace sound {

namespace {

std::uint32_t Le(std::span<const std::uint8_t> bytes, std::size_t at, int width)
{
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
    return value;
}

bool Tag(std::span<const std::uint8_t> bytes, std::size_t at, const char* tag)
{
    return std::memcmp(bytes.data() + at, tag, 4) == 0;
}

// Larger than any effect: a file this big is not one.
constexpr std::uintmax_t MaxFileBytes = 64u << 20;

}  // namespace

Clip ConvertClip(std::span<const std::uint8_t> data, const PcmFormat& from, int outRate)
{
    const std::size_t width = from.bits == 8 ? 1 : 2;
    const std::size_t channels = static_cast<std::size_t>(from.channels);
    const std::size_t frames = data.size() / (width * channels);
    // Each frame's one-channel value worked out where it is needed: a copy
    // of the whole file in doubles was four times the effect's size.
    const auto mono = [&](std::size_t f) {
        double sum = 0;
        for (std::size_t c = 0; c < channels; ++c) {
            const std::size_t at = (f * channels + c) * width;
            sum +=
                width == 1 ? (data[at] - 128) * 256.0 : static_cast<std::int16_t>(Le(data, at, 2));
        }
        return sum / static_cast<double>(channels);
    };
    const double step = static_cast<double>(from.rate) / outRate;
    const auto length =
        from.rate == outRate ? frames : static_cast<std::size_t>(std::llround(frames / step));
    Clip clip(frames == 0 ? 0 : length);
    for (std::size_t i = 0; i < clip.size(); ++i) {
        const double at = static_cast<double>(i) * step;
        const auto j = std::min(static_cast<std::size_t>(at), frames - 1);
        const double here = mono(j);
        const double next = j + 1 < frames ? mono(j + 1) : here;
        const double value = here + (next - here) * (at - static_cast<double>(j));
        clip[i] = static_cast<std::int16_t>(std::clamp(std::lround(value), -32768L, 32767L));
    }
    return clip;
}

std::optional<Clip> ReadWav(std::span<const std::uint8_t> file, int outRate, std::string& error)
{
    const auto refuse = [&error](const char* why) {
        error = why;
        return std::nullopt;
    };
    if (file.size() < 12 || !Tag(file, 0, "RIFF") || !Tag(file, 8, "WAVE")) {
        return refuse("not a RIFF WAVE file");
    }
    std::optional<PcmFormat> format;
    for (std::size_t at = 12; at + 8 <= file.size();) {
        const std::size_t body = at + 8;
        const std::uint32_t size = Le(file, at + 4, 4);
        if (size > file.size() - body) return refuse("a chunk is shorter than its header says");
        if (Tag(file, at, "fmt ")) {
            if (size < 16) return refuse("format chunk too short");
            format = PcmFormat{static_cast<int>(Le(file, body + 2, 2)),
                               static_cast<int>(Le(file, body + 4, 4)),
                               static_cast<int>(Le(file, body + 14, 2))};
            if (Le(file, body, 2) != 1 || (format->bits != 8 && format->bits != 16) ||
                format->channels < 1 || format->rate < 1 ||
                format->rate > std::numeric_limits<int>::max() / 2) {
                return refuse("not 8- or 16-bit integer PCM");
            }
        } else if (Tag(file, at, "data")) {
            if (!format) return refuse("samples before their format");
            const std::uint32_t frame =
                static_cast<std::uint32_t>(format->channels * format->bits / 8);
            if (size == 0 || size % frame != 0) return refuse("no samples, or a frame cut short");
            return ConvertClip(file.subspan(body, size), *format, outRate);
        }
        at = body + size + (size & 1);  // chunks are padded to an even length
    }
    return refuse("no samples");
}

std::optional<Clip> LoadWav(const std::filesystem::path& path, int outRate, std::string& error)
{
    std::error_code failed;
    const std::uintmax_t size = std::filesystem::file_size(path, failed);
    std::ifstream in(path, std::ios::binary);
    if (failed || !in || size > MaxFileBytes) {
        error = failed ? failed.message() : "cannot be read";
        return std::nullopt;
    }
    // One buffer of the file's size: read through iterators it grew by
    // doubling, up to twice that at once.
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
    if (!in || in.peek() != std::ifstream::traits_type::eof()) {
        error = "cannot be read";
        return std::nullopt;
    }
    return ReadWav(bytes, outRate, error);
}

}  // namespace sound
