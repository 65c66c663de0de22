// The voices and the mixing on their own, with no device: what each call to
// Mix puts in the buffer, sample by sample; and the files made into clips.
#include "sound/Mixer.h"
#include "sound/Wav.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

using sound::Clip;
using sound::ConvertClip;
using sound::Mixer;
using sound::ReadWav;

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

TEST(Mixer, TheVolumeScalesTheSumBeforeItIsClipped)
{
    const std::pair<int, Samples> cases[] = {
        {100, {32767, -4000, 1}}, {50, {15000, -1000, 0}}, {10, {600, -40, 0}}, {0, {0, 0, 0}}};
    for (const auto& [percent, want] : cases) {
        Mixer mixer(2, 1);
        mixer.SetClip(0, {30000, -2000, 1});
        mixer.SetClip(1, {30000, -2000});
        mixer.Play(0, false, false);
        mixer.Play(1, false, false);
        mixer.SetVolume(percent);
        EXPECT_EQ(MixOut(mixer, 3), want) << percent << " %";
    }
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

std::vector<std::uint8_t> Bytes(const Samples& samples)
{
    const auto* p = reinterpret_cast<const std::uint8_t*>(samples.data());
    return {p, p + samples.size() * sizeof(std::int16_t)};
}

TEST(ConvertClip, MakesOneChannelOfSixteenBitsAtTheOutputRate)
{
    const Samples own{0, 1000, -1000, 32767, -32768};
    EXPECT_EQ(ConvertClip(Bytes(own), {1, 22050, 16}, 22050), own) << "taken as it is";
    EXPECT_EQ(ConvertClip(Bytes({100, -200, 300, 302}), {2, 22050, 16}, 22050),
              (Samples{-50, 301}));
    EXPECT_EQ(ConvertClip(std::vector<std::uint8_t>{0x80, 0x00, 0xC0}, {1, 22050, 8}, 22050),
              (Samples{0, -32768, 16384}));
    EXPECT_EQ(ConvertClip(Bytes(Samples(4410, 8000)), {1, 44100, 16}, 22050), Samples(2205, 8000))
        << "100 ms stays 100 ms";
}

// A RIFF WAVE file at 22050 Hz whose data chunk's header says `declared`
// bytes and which holds `data`.
std::vector<std::uint8_t> Wav(std::uint8_t tag, std::uint8_t bits, std::uint8_t declared,
                              const Samples& data)
{
    std::vector<std::uint8_t> file{'R', 'I',  'F',  'F',  0,   0,   0,    0,        'W', 'A', 'V',
                                   'E', 'f',  'm',  't',  ' ', 16,  0,    0,        0,   tag, 0,
                                   1,   0,    0x22, 0x56, 0,   0,   0x44, 0xAC,     0,   0,   2,
                                   0,   bits, 0,    'd',  'a', 't', 'a',  declared, 0,   0,   0};
    const std::vector<std::uint8_t> bytes = Bytes(data);
    file.insert(file.end(), bytes.begin(), bytes.end());
    return file;
}

TEST(ReadWav, ADamagedOrForeignFileIsRefused)
{
    std::string why;
    EXPECT_EQ(ReadWav(Wav(1, 16, 6, {1, 2, 3}), 22050, why), (Samples{1, 2, 3})) << why;
    for (const auto& [file, damage] :
         {std::pair{Wav(1, 16, 8, {1, 2, 3}), "data shorter than its header says"},
          {Wav(1, 16, 0, {}), "no samples"},
          {Wav(1, 16, 5, {1, 2, 3}), "half a sample"},
          {Wav(3, 32, 4, {1, 2}), "floating point"},
          {Wav(1, 24, 6, {1, 2, 3}), "24 bits"},
          {std::vector<std::uint8_t>(20, 'R'), "not a WAVE file"}}) {
        EXPECT_FALSE(ReadWav(file, 22050, why)) << damage;
    }
}

}  // namespace
