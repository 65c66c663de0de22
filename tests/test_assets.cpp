// The shipped pictures and sounds: every file there, at its size and in a
// format the game reads.
#include "support/GameFixture.h"

#include "sound/Sound.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

TEST(ShippedAssets, EveryPictureHasItsSize)
{
    for (int i = 0; i < ui::PictureCount; ++i) {
        const ui::PictureInfo& info = ui::InfoOf(static_cast<ui::Picture>(i));
        const QImage image(QString::fromStdString(
            (testing_support::AssetsFolder() / "pictures" / std::string(info.file)).string()));
        ASSERT_FALSE(image.isNull()) << info.file;
        EXPECT_EQ(image.width(), info.width) << info.file;
        EXPECT_EQ(image.height(), info.height) << info.file;
        EXPECT_FALSE(image.hasAlphaChannel()) << info.file;
    }
}

TEST(ShippedAssets, EverySoundIsAShortMonoPcmWave)
{
    for (std::string_view name : sound::SoundFiles) {
        std::ifstream in(testing_support::AssetsFolder() / "audio" / std::string(name),
                         std::ios::binary);
        ASSERT_TRUE(in) << name;
        std::array<char, 44> header{};
        in.read(header.data(), header.size());
        EXPECT_EQ(std::string(header.data(), 4), "RIFF") << name;
        EXPECT_EQ(std::string(header.data() + 8, 4), "WAVE") << name;
        EXPECT_EQ(header[20], 1) << name << ": PCM";
        EXPECT_EQ(header[22], 1) << name << ": mono";
        in.seekg(0, std::ios::end);
        EXPECT_LT(in.tellg(), 100000) << name << ": a short effect";
    }
}

// The final monster's portraits are smaller than the frame they are painted
// in; the frame's inside carries on the picture (the monster's body), so
// where a portrait ends the background goes on with the same pixels.
TEST(ShippedAssets, ThePortraitsCarryOnIntoTheDiscoveryFrame)
{
    const QImage frame(QString::fromStdString(
        (testing_support::AssetsFolder() / "pictures" / "Discovery.png").string()));
    ASSERT_FALSE(frame.isNull());
    for (const char* file : {"Gorvak0.png", "Gorvak1.png"}) {
        const QImage portrait(
            QString::fromStdString((testing_support::AssetsFolder() / "pictures" / file).string()));
        ASSERT_FALSE(portrait.isNull());
        int same = 0;
        int edge = 0;
        auto compare = [&](int x, int y) {
            ++edge;
            same += portrait.pixel(x, y) == frame.pixel(68 + x, 50 + y);
        };
        for (int x = 0; x < portrait.width(); ++x) compare(x, portrait.height() - 1);
        for (int y = 0; y < portrait.height(); ++y) compare(portrait.width() - 1, y);
        EXPECT_GE(same * 4, edge * 3) << file << ": only " << same << " of " << edge
                                      << " edge pixels meet the frame's picture";
        // And the body goes on below the portrait: the frame's inside is not bare there.
        int body = 0;
        for (int x = 0; x < 64; ++x)
            body += frame.pixel(68 + x, 50 + 56) != frame.pixel(67, 50 + 56);
        EXPECT_GT(body, 32);
    }
}

// Loudness of a short effect: the RMS of its loudest 50 ms, in dB of full
// scale, as the asset generator levels them.
struct Levels {
    double loudness = -200;
    double peak = -200;
};

Levels LevelsOf(std::string_view name)
{
    std::ifstream in(testing_support::AssetsFolder() / "audio" / std::string(name),
                     std::ios::binary);
    std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<double> samples;
    // The chunks after the header: find "data" and read its 16-bit samples.
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        std::uint32_t size = 0;
        std::memcpy(&size, bytes.data() + at + 4, 4);
        if (std::string_view(bytes.data() + at, 4) == "data") {
            for (std::size_t i = at + 8; i + 1 < at + 8 + size && i + 1 < bytes.size(); i += 2) {
                std::int16_t v = 0;
                std::memcpy(&v, bytes.data() + i, 2);
                samples.push_back(v / 32767.0);
            }
            break;
        }
        at += 8 + size + (size & 1);
    }
    Levels levels;
    if (samples.empty()) return levels;
    constexpr std::size_t window = 22050 / 20;
    constexpr std::size_t hop = 22050 / 100;
    std::vector<double> sums{0.0};
    double peak = 0;
    for (double v : samples) {
        sums.push_back(sums.back() + v * v);
        peak = std::max(peak, std::abs(v));
    }
    double best = 0;
    for (std::size_t i = 0; i == 0 || i + window <= samples.size(); i += hop) {
        const std::size_t j = std::min(samples.size(), i + window);
        best = std::max(best, (sums[j] - sums[i]) / static_cast<double>(j - i));
    }
    levels.loudness = 10 * std::log10(best);
    levels.peak = 20 * std::log10(peak);
    return levels;
}

TEST(ShippedAssets, TheElevenEffectsShareOneLoudnessAndTheWarningIsNoLouderThanAStep)
{
    double loudest = -200;
    double quietest = 0;
    for (std::string_view name : sound::SoundFiles) {
        const Levels levels = LevelsOf(name);
        EXPECT_GT(levels.loudness, -30) << name << ": no sound";
        EXPECT_LE(levels.peak, -0.99) << name << ": peaks above -1 dBFS";
        loudest = std::max(loudest, levels.loudness);
        quietest = std::min(quietest, levels.loudness);
    }
    EXPECT_LE(loudest - quietest, 1.5)
        << "effects differ in loudness by " << loudest - quietest << " dB";
    EXPECT_LE(LevelsOf("CheckStats.wav").loudness, LevelsOf("Walk.wav").loudness)
        << "the low-statistics warning drowns the footsteps";
}

}  // namespace
