// The voices and the mixing on their own, with no device: what each call to
// Mix puts in the buffer, sample by sample.
#include "sound/Mixer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using sound::Clip;
using sound::ConvertClip;
using sound::Mixer;

namespace {

std::vector<std::int16_t> MixOut(Mixer& mixer, std::size_t samples)
{
    std::vector<std::int16_t> out(samples, 12345);  // stale data from the last buffer
    mixer.Mix(out);
    return out;
}

using Samples = std::vector<std::int16_t>;

TEST(Mixer, GivesSilenceWhenNothingSounds)
{
    Mixer mixer(11, 1);
    mixer.SetClip(0, {5, 6, 7});
    EXPECT_EQ(MixOut(mixer, 4), Samples(4, 0));
    EXPECT_FALSE(mixer.IsPlaying(0));
}

TEST(Mixer, PlaysAClipOnceThenFallsSilent)
{
    Mixer mixer(11, 1);
    mixer.SetClip(3, {1, 2, 3});
    mixer.Play(3, false, false);
    EXPECT_TRUE(mixer.IsPlaying(3));
    EXPECT_EQ(MixOut(mixer, 5), (Samples{1, 2, 3, 0, 0}));
    EXPECT_FALSE(mixer.IsPlaying(3));
    EXPECT_EQ(MixOut(mixer, 2), (Samples{0, 0}));
}

TEST(Mixer, AClipLongerThanTheBufferGoesOnInTheNext)
{
    Mixer mixer(2, 1);
    mixer.SetClip(0, {1, 2, 3, 4, 5});
    mixer.Play(0, false, false);
    EXPECT_EQ(MixOut(mixer, 2), (Samples{1, 2}));
    EXPECT_TRUE(mixer.IsPlaying(0));
    EXPECT_EQ(MixOut(mixer, 2), (Samples{3, 4}));
    EXPECT_EQ(MixOut(mixer, 2), (Samples{5, 0}));
    EXPECT_FALSE(mixer.IsPlaying(0));
}

TEST(Mixer, DifferentEffectsAddUp)
{
    Mixer mixer(11, 1);
    mixer.SetClip(0, {100, 200, 300});
    mixer.SetClip(9, {-10, 20});
    mixer.Play(0, false, false);
    mixer.Play(9, false, false);
    EXPECT_EQ(MixOut(mixer, 4), (Samples{90, 220, 300, 0}));
}

TEST(Mixer, ASumBeyondTheSampleRangeIsClipped)
{
    Mixer mixer(3, 1);
    mixer.SetClip(0, {30000, -30000, 32767});
    mixer.SetClip(1, {30000, -30000, 32767});
    mixer.Play(0, false, false);
    mixer.Play(1, false, false);
    EXPECT_EQ(MixOut(mixer, 3), (Samples{32767, -32768, 32767}));
}

TEST(Mixer, OnlyTheWholeSumIsClippedNotEachStep)
{
    Mixer mixer(3, 1);
    mixer.SetClip(0, {30000});
    mixer.SetClip(1, {30000});
    mixer.SetClip(2, {-30000});
    for (int v = 0; v < 3; ++v) mixer.Play(v, false, false);
    EXPECT_EQ(MixOut(mixer, 1), (Samples{30000}));
}

TEST(Mixer, PlayingASoundingEffectAgainLetsItGoOn)
{
    Mixer mixer(1, 1);
    mixer.SetClip(0, {1, 2, 3, 4});
    mixer.Play(0, false, false);
    EXPECT_EQ(MixOut(mixer, 2), (Samples{1, 2}));
    mixer.Play(0, false, false);
    EXPECT_EQ(MixOut(mixer, 3), (Samples{3, 4, 0})) << "never overlaps itself, never restarts";
}

TEST(Mixer, RestartBeginsASoundingEffectAgain)
{
    Mixer mixer(1, 1);
    mixer.SetClip(0, {1, 2, 3, 4});
    mixer.Play(0, false, false);
    EXPECT_EQ(MixOut(mixer, 3), (Samples{1, 2, 3}));
    mixer.Play(0, true, false);
    EXPECT_EQ(mixer.FramesMixed(0), 0);
    EXPECT_EQ(MixOut(mixer, 5), (Samples{1, 2, 3, 4, 0}));
}

TEST(Mixer, AnEffectThatEndedPlaysAgainFromTheStart)
{
    Mixer mixer(1, 1);
    mixer.SetClip(0, {7, 8});
    mixer.Play(0, false, false);
    MixOut(mixer, 4);
    mixer.Play(0, false, false);
    EXPECT_TRUE(mixer.IsPlaying(0));
    EXPECT_EQ(MixOut(mixer, 3), (Samples{7, 8, 0}));
}

TEST(Mixer, RestartingOneEffectLeavesTheOthersAlone)
{
    Mixer mixer(2, 1);
    mixer.SetClip(0, {1, 2, 3, 4});
    mixer.SetClip(1, {10, 20, 30, 40});
    mixer.Play(0, false, false);
    mixer.Play(1, false, false);
    MixOut(mixer, 2);
    mixer.Play(0, true, false);
    EXPECT_EQ(MixOut(mixer, 2), (Samples{1 + 30, 2 + 40}));
}

TEST(Mixer, ALoopingEffectWrapsAroundUntilRestartedWithoutTheLoop)
{
    Mixer mixer(1, 1);
    mixer.SetClip(0, {1, 2, 3});
    mixer.Play(0, false, true);
    EXPECT_EQ(MixOut(mixer, 7), (Samples{1, 2, 3, 1, 2, 3, 1}));
    EXPECT_TRUE(mixer.IsPlaying(0));
    EXPECT_EQ(mixer.FramesMixed(0), 7);
    mixer.Play(0, true, false);
    EXPECT_EQ(MixOut(mixer, 4), (Samples{1, 2, 3, 0}));
    EXPECT_FALSE(mixer.IsPlaying(0));
}

TEST(Mixer, StereoCountsFramesAndKeepsTheChannelsApart)
{
    Mixer mixer(2, 2);
    mixer.SetClip(0, {1, -1, 2, -2, 3, -3});
    mixer.SetClip(1, {100, 200});
    mixer.Play(0, false, false);
    EXPECT_EQ(mixer.FramesMixed(0), 0);
    EXPECT_EQ(MixOut(mixer, 4), (Samples{1, -1, 2, -2}));
    EXPECT_EQ(mixer.FramesMixed(0), 2);
    mixer.Play(1, false, false);
    EXPECT_EQ(MixOut(mixer, 4), (Samples{103, 197, 0, 0}));
}

TEST(Mixer, ATornLastFrameIsDropped)
{
    Mixer mixer(1, 2);
    mixer.SetClip(0, {1, 2, 3});
    mixer.Play(0, false, true);
    EXPECT_EQ(MixOut(mixer, 6), (Samples{1, 2, 1, 2, 1, 2}));
}

TEST(Mixer, ABufferLargerThanTheOneSetAsideStillMixesWhole)
{
    Mixer mixer(1, 1, 2);
    mixer.SetClip(0, {1, 2, 3, 4, 5});
    mixer.Play(0, false, false);
    EXPECT_EQ(MixOut(mixer, 6), (Samples{1, 2, 3, 4, 5, 0}));
}

TEST(Mixer, AnEffectWithoutAClipStaysSilent)
{
    Mixer mixer(2, 1);
    mixer.Play(1, true, true);
    EXPECT_FALSE(mixer.IsPlaying(1));
    EXPECT_EQ(MixOut(mixer, 2), (Samples{0, 0}));
}

TEST(Mixer, StopAllSilencesEveryVoice)
{
    Mixer mixer(2, 1);
    mixer.SetClip(0, {1, 1});
    mixer.SetClip(1, {2, 2});
    mixer.Play(0, false, true);
    mixer.Play(1, false, false);
    mixer.StopAll();
    EXPECT_FALSE(mixer.IsPlaying(0));
    EXPECT_EQ(MixOut(mixer, 2), (Samples{0, 0}));
}

TEST(Mixer, AVoiceOutsideTheElevenIsRefused)
{
    Mixer mixer(11, 1);
    EXPECT_THROW(mixer.Play(11, false, false), std::out_of_range);
    EXPECT_THROW(Mixer(0, 1), std::invalid_argument);
}

SDL_AudioSpec WavFormat(SDL_AudioFormat format, int channels, int rate)
{
    SDL_AudioSpec clip{};
    clip.format = format;
    clip.channels = static_cast<Uint8>(channels);
    clip.freq = rate;
    return clip;
}

std::vector<std::uint8_t> Bytes(const Samples& samples)
{
    const auto* p = reinterpret_cast<const std::uint8_t*>(samples.data());
    return {p, p + samples.size() * sizeof(std::int16_t)};
}

TEST(ConvertClip, TheEffectsOwnFormatIsTakenAsItIs)
{
    const Samples samples{0, 1000, -1000, 32767, -32768};
    const std::vector<std::uint8_t> bytes = Bytes(samples);
    const auto clip = ConvertClip(bytes, WavFormat(AUDIO_S16SYS, 1, 22050), 1, 22050);
    ASSERT_TRUE(clip);
    EXPECT_EQ(*clip, samples);
}

TEST(ConvertClip, MonoGoesToBothChannelsOfAStereoDevice)
{
    const std::vector<std::uint8_t> bytes = Bytes({100, -200, 300});
    const auto clip = ConvertClip(bytes, WavFormat(AUDIO_S16SYS, 1, 22050), 2, 22050);
    ASSERT_TRUE(clip);
    // SDL converts through floating point: within one step of the source.
    const Samples expected{100, 100, -200, -200, 300, 300};
    ASSERT_EQ(clip->size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR((*clip)[i], expected[i], 1) << i;
}

TEST(ConvertClip, EightBitSamplesBecomeSixteenBit)
{
    const std::vector<std::uint8_t> bytes{0x80, 0x00, 0xC0};
    const auto clip = ConvertClip(bytes, WavFormat(AUDIO_U8, 1, 22050), 1, 22050);
    ASSERT_TRUE(clip);
    ASSERT_EQ(clip->size(), 3u);
    EXPECT_EQ((*clip)[0], 0);
    EXPECT_LT((*clip)[1], -32000);
    EXPECT_GT((*clip)[2], 16000);
}

TEST(ConvertClip, AFasterDeviceGetsTheSameLengthInTime)
{
    Samples tone(2205);  // 100 ms
    for (std::size_t i = 0; i < tone.size(); ++i)
        tone[i] = static_cast<std::int16_t>(i % 2 ? 8000 : -8000);
    const std::vector<std::uint8_t> bytes = Bytes(tone);
    const auto clip = ConvertClip(bytes, WavFormat(AUDIO_S16SYS, 1, 22050), 2, 48000);
    ASSERT_TRUE(clip);
    EXPECT_EQ(clip->size() % 2, 0u) << "whole frames";
    EXPECT_NEAR(static_cast<double>(clip->size() / 2), 4800.0, 48.0);
}

TEST(ConvertClip, AFormatSdlDoesNotKnowIsRefused)
{
    const std::vector<std::uint8_t> bytes{1, 2, 3, 4};
    EXPECT_FALSE(ConvertClip(bytes, WavFormat(0x1234, 1, 22050), 1, 22050));
    EXPECT_FALSE(ConvertClip(bytes, WavFormat(AUDIO_S16SYS, 0, 22050), 1, 22050));
}

}  // namespace
