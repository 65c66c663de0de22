// The eleven effects on the real device layer: SDL's dummy driver plays in
// real time without a sound card, and an unknown driver stands for a
// machine with no output.
#include "sound/DeviceSound.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;
using sound::DeviceSound;
using sound::LoadResult;
using sound::Sound;

namespace {

class ScopedDriver {
public:
    explicit ScopedDriver(const char* driver)
    {
        if (const char* old = std::getenv("SDL_AUDIODRIVER")) old_ = old;
        setenv("SDL_AUDIODRIVER", driver, 1);
    }
    ~ScopedDriver()
    {
        if (old_.empty()) unsetenv("SDL_AUDIODRIVER");
        else setenv("SDL_AUDIODRIVER", old_.c_str(), 1);
    }

private:
    std::string old_;
};

fs::path CopyOfAudio(const char* without = nullptr)
{
    const fs::path folder =
        fs::temp_directory_path() / ("gorvak-audio-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const auto& name : sound::SoundFiles) {
        if (without != nullptr && name == without) continue;
        fs::copy_file(fs::path(GORVAK_AUDIO_DIR) / name, folder / name);
    }
    return folder;
}

TEST(Sound, LoadsAllElevenEffectsOnTheDummyDriver)
{
    ScopedDriver dummy("dummy");
    DeviceSound sounds(GORVAK_AUDIO_DIR);
    EXPECT_EQ(sounds.LoadSounds(), LoadResult::Loaded) << sounds.LastError();
}

TEST(Sound, NoOutputDeviceIsReportedAsADeviceFailure)
{
    ScopedDriver none("no-such-driver");
    DeviceSound sounds(GORVAK_AUDIO_DIR);
    EXPECT_EQ(sounds.LoadSounds(), LoadResult::DeviceFailed);
    sounds.PlaySoundEffect(Sound::sndWalk, true, false);  // harmless after a failure
}

TEST(Sound, AMissingFileIsReportedAtTheFirstFailureInLoadOrder)
{
    ScopedDriver dummy("dummy");
    const fs::path folder = CopyOfAudio("Shop.wav");
    DeviceSound sounds(folder);
    EXPECT_EQ(sounds.LoadSounds(), LoadResult::FileMissing);
    EXPECT_NE(sounds.LastError().find("Shop.wav"), std::string::npos) << sounds.LastError();
    fs::remove_all(folder);
}

TEST(Sound, ACorruptFileCountsAsMissing)
{
    ScopedDriver dummy("dummy");
    const fs::path folder = CopyOfAudio("Walk.wav");
    {
        std::ofstream(folder / "Walk.wav") << "not a sound";
    }
    DeviceSound sounds(folder);
    EXPECT_EQ(sounds.LoadSounds(), LoadResult::FileMissing);
    fs::remove_all(folder);
}

// What SDL's own audio thread does is only checked where no timing can
// change the answer: the sample-exact behaviour is the Mixer's, tested on
// its own. These wait for the device without assuming how fast it runs.
template <typename Condition>
bool WaitFor(Condition condition)
{
    for (int i = 0; i < 10000; ++i) {
        if (condition()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return condition();
}

TEST(Sound, DifferentEffectsReachTheDeviceTogether)
{
    ScopedDriver dummy("dummy");
    DeviceSound sounds(GORVAK_AUDIO_DIR);
    ASSERT_EQ(sounds.LoadSounds(), LoadResult::Loaded);
    // Looping, so neither can end before it is looked at.
    sounds.PlaySoundEffect(Sound::sndGorvak, false, true);
    sounds.PlaySoundEffect(Sound::sndShop, false, true);
    EXPECT_TRUE(WaitFor([&] {
        return sounds.FramesMixed(Sound::sndGorvak) > 0 && sounds.FramesMixed(Sound::sndShop) > 0;
    }));
    EXPECT_TRUE(sounds.IsPlaying(Sound::sndGorvak));
    EXPECT_TRUE(sounds.IsPlaying(Sound::sndShop));
    EXPECT_FALSE(sounds.IsPlaying(Sound::sndWalk)) << "only what was played sounds";
}

TEST(Sound, PlayingASoundingEffectWithoutStopFirstLetsItGoOn)
{
    ScopedDriver dummy("dummy");
    DeviceSound sounds(GORVAK_AUDIO_DIR);
    ASSERT_EQ(sounds.LoadSounds(), LoadResult::Loaded);
    sounds.PlaySoundEffect(Sound::sndDice, false, true);  // 1874 frames, looping
    ASSERT_TRUE(WaitFor([&] { return sounds.FramesMixed(Sound::sndDice) > 4000; }))
        << "a looping effect goes past its end";
    sounds.PlaySoundEffect(Sound::sndDice, false, false);
    EXPECT_GT(sounds.FramesMixed(Sound::sndDice), 4000) << "not restarted";
    EXPECT_TRUE(sounds.IsPlaying(Sound::sndDice));
}

TEST(Sound, AnEffectThatEndedFallsSilentAndPlaysAgain)
{
    ScopedDriver dummy("dummy");
    DeviceSound sounds(GORVAK_AUDIO_DIR);
    ASSERT_EQ(sounds.LoadSounds(), LoadResult::Loaded);
    sounds.PlaySoundEffect(Sound::sndDice, false, false);
    ASSERT_TRUE(WaitFor([&] { return !sounds.IsPlaying(Sound::sndDice); }));
    EXPECT_EQ(sounds.FramesMixed(Sound::sndDice), 1874) << "once, to its end";
    sounds.PlaySoundEffect(Sound::sndDice, false, false);
    EXPECT_TRUE(WaitFor([&] { return sounds.FramesMixed(Sound::sndDice) < 1874; }))
        << "begun again from the start";
}

TEST(Sound, LoadingOnItsOwnThreadGivesTheSameAnswers)
{
    ScopedDriver dummy("dummy");
    {
        DeviceSound sounds(GORVAK_AUDIO_DIR);
        sounds.StartLoading();
        EXPECT_EQ(sounds.LoadSounds(), LoadResult::Loaded) << sounds.LastError();
        EXPECT_EQ(sounds.LoadSounds(), LoadResult::Loaded) << "asked again, the same";
    }
    {
        const fs::path folder = CopyOfAudio("Teleport.wav");
        DeviceSound sounds(folder);
        sounds.StartLoading();
        EXPECT_EQ(sounds.LoadSounds(), LoadResult::FileMissing);
        EXPECT_NE(sounds.LastError().find("Teleport.wav"), std::string::npos) << sounds.LastError();
        fs::remove_all(folder);
    }
    {
        ScopedDriver none("no-such-driver");
        DeviceSound sounds(GORVAK_AUDIO_DIR);
        sounds.StartLoading();
        EXPECT_EQ(sounds.LoadSounds(), LoadResult::DeviceFailed);
    }
}

// A play asked for before the loading has been waited for is dropped, not
// played later; ended while its loader still runs, the sound waits for it
// (else the program would abort) and the next one starts afresh.
TEST(Sound, EndsCleanlyWhileStillLoading)
{
    ScopedDriver dummy("dummy");
    {
        DeviceSound sounds(GORVAK_AUDIO_DIR);
        sounds.StartLoading();
        sounds.PlaySoundEffect(Sound::sndWalk, true, false);
        ASSERT_EQ(sounds.LoadSounds(), LoadResult::Loaded);
        EXPECT_FALSE(sounds.IsPlaying(Sound::sndWalk)) << "the early play was kept";
        EXPECT_EQ(sounds.FramesMixed(Sound::sndWalk), 0);
    }
    {
        DeviceSound ended(GORVAK_AUDIO_DIR);
        ended.StartLoading();
    }
    DeviceSound next(GORVAK_AUDIO_DIR);
    EXPECT_EQ(next.LoadSounds(), LoadResult::Loaded) << next.LastError();
}

TEST(Sound, TheFirstMissingFileInLoadOrderIsTheOneReported)
{
    ScopedDriver dummy("dummy");
    const fs::path folder = CopyOfAudio("CheckStats.wav");
    fs::remove(folder / "Dice.wav");
    DeviceSound sounds(folder);
    EXPECT_EQ(sounds.LoadSounds(), LoadResult::FileMissing);
    EXPECT_NE(sounds.LastError().find("Dice.wav"), std::string::npos) << sounds.LastError();
    EXPECT_FALSE(sounds.IsPlaying(Sound::sndWalk));
    sounds.PlaySoundEffect(Sound::sndWalk, false, false);  // harmless after a failure
    fs::remove_all(folder);
}

}  // namespace
