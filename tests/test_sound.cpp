// The eleven effects on the real sound library: its dummy driver plays in
// real time without a sound card, and an unknown driver stands for a
// machine with no output.
#include "sound/SdlSound.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <thread>

namespace fs = std::filesystem;
using sound::LoadResult;
using sound::SdlSound;
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
    const fs::path folder = fs::temp_directory_path() / ("gorvak-audio-" + std::to_string(::getpid()));
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
    SdlSound sounds(GORVAK_AUDIO_DIR);
    EXPECT_EQ(sounds.LoadSounds(), LoadResult::Loaded) << sounds.LastError();
}

TEST(Sound, NoOutputDeviceIsReportedAsADeviceFailure)
{
    ScopedDriver none("no-such-driver");
    SdlSound sounds(GORVAK_AUDIO_DIR);
    EXPECT_EQ(sounds.LoadSounds(), LoadResult::DeviceFailed);
    sounds.PlaySoundEffect(Sound::sndWalk, true, false);  // harmless after a failure
}

TEST(Sound, AMissingFileIsReportedAtTheFirstFailureInLoadOrder)
{
    ScopedDriver dummy("dummy");
    const fs::path folder = CopyOfAudio("Shop.wav");
    SdlSound sounds(folder);
    EXPECT_EQ(sounds.LoadSounds(), LoadResult::FileMissing);
    EXPECT_NE(sounds.LastError().find("Shop.wav"), std::string::npos) << sounds.LastError();
    fs::remove_all(folder);
}

TEST(Sound, ACorruptFileCountsAsMissing)
{
    ScopedDriver dummy("dummy");
    const fs::path folder = CopyOfAudio("Walk.wav");
    { std::ofstream(folder / "Walk.wav") << "not a sound"; }
    SdlSound sounds(folder);
    EXPECT_EQ(sounds.LoadSounds(), LoadResult::FileMissing);
    fs::remove_all(folder);
}

TEST(Sound, EffectsMixRestartOnStopFirstAndOtherwiseGoOn)
{
    ScopedDriver dummy("dummy");
    SdlSound sounds(GORVAK_AUDIO_DIR);
    ASSERT_EQ(sounds.LoadSounds(), LoadResult::Loaded);
    sounds.PlaySoundEffect(Sound::sndGorvak, false, false);  // 1.5 s
    sounds.PlaySoundEffect(Sound::sndShop, false, false);
    EXPECT_TRUE(sounds.IsPlaying(Sound::sndGorvak));
    EXPECT_TRUE(sounds.IsPlaying(Sound::sndShop)) << "different effects mix";
    // Without StopFirst a sounding effect is left to go on: it ends on its
    // first schedule, about 400 ms after it began.
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
    sounds.PlaySoundEffect(Sound::sndShop, false, false);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(sounds.IsPlaying(Sound::sndShop));
    // With StopFirst it starts again from the beginning.
    sounds.PlaySoundEffect(Sound::sndShop, false, false);
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
    sounds.PlaySoundEffect(Sound::sndShop, true, false);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_TRUE(sounds.IsPlaying(Sound::sndShop));
    EXPECT_TRUE(sounds.IsPlaying(Sound::sndGorvak)) << "the others were not cut off";
}

TEST(Sound, AnEffectThatEndedPlaysAgainFromTheStart)
{
    ScopedDriver dummy("dummy");
    SdlSound sounds(GORVAK_AUDIO_DIR);
    ASSERT_EQ(sounds.LoadSounds(), LoadResult::Loaded);
    sounds.PlaySoundEffect(Sound::sndDice, false, false);  // 85 ms
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
    EXPECT_FALSE(sounds.IsPlaying(Sound::sndDice));
    sounds.PlaySoundEffect(Sound::sndDice, false, false);
    EXPECT_TRUE(sounds.IsPlaying(Sound::sndDice));
}

}  // namespace
