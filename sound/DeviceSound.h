#pragma once

#include "sound/Mixer.h"
#include "sound/Output.h"
#include "sound/Sound.h"

#include <condition_variable>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace sound {

// The eleven effects on this machine's sound: a PulseAudio server when one
// answers, else SDL's audio (or whichever SDL_AUDIODRIVER names). Every file
// is decoded once at load; the Mixer runs on the output's thread. A device
// that goes away is reopened by a thread of its own once it can be, and the
// game plays on silently meanwhile. One at a time per process: SDL has one
// audio driver.
class DeviceSound final : public SoundEffects {
public:
    explicit DeviceSound(std::filesystem::path audioFolder);
    ~DeviceSound() override;
    DeviceSound(const DeviceSound&) = delete;
    DeviceSound& operator=(const DeviceSound&) = delete;

    // Opens the device and loads the files on a thread of their own, so
    // this overlaps the windows' set-up; LoadSounds waits for it.
    void StartLoading();
    // The first call loads (or waits for StartLoading); later calls give
    // the same answer.
    LoadResult LoadSounds() override;
    // Tells the mixer (and wakes a resting output): never waits on the
    // device, present or not.
    void PlaySoundEffect(Sound sound, bool StopFirst, bool LoopIt) override;
    void SetVolume(int percent) override;

    // Whether the effect's voice is sounding.
    bool IsPlaying(Sound sound) const;
    // Frames of the effect's current play the device has taken so far.
    long FramesMixed(Sound sound) const;
    // What the libraries said about the last failure, for stderr.
    const std::string& LastError() const { return lastError_; }

private:
    bool OpenOutput();
    LoadResult Load();
    bool Ready() const;
    void Mix(std::span<std::int16_t> out);
    void KeepOpen();

    std::filesystem::path folder_;
    std::thread loader_;
    std::optional<LoadResult> result_;
    std::string lastError_;
    mutable std::mutex mixing_;
    Mixer mixer_{SoundCount, 1, OutputFrames};
    std::size_t quietFrames_ = 0;
    bool resting_ = false;
    std::unique_ptr<Output> output_;
    std::thread keeper_;
    std::mutex keeping_;
    std::condition_variable wake_;
    bool ending_ = false;
};

}  // namespace sound
