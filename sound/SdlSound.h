#pragma once

#include "sound/Mixer.h"
#include "sound/Sound.h"

#include <SDL_audio.h>

#include <filesystem>
#include <optional>
#include <string>
#include <thread>

namespace sound {

// The eleven effects on plain SDL audio: one output device whose callback
// runs the Mixer, every file converted to the device's format once at load.
// One at a time per process: SDL has one audio driver.
class SdlSound final : public SoundEffects {
public:
    explicit SdlSound(std::filesystem::path audioFolder);
    ~SdlSound() override;
    SdlSound(const SdlSound&) = delete;
    SdlSound& operator=(const SdlSound&) = delete;

    // Opens the device and loads the files on a thread of their own, so
    // this overlaps the windows' set-up; LoadSounds waits for it.
    void StartLoading();
    // The first call loads (or waits for StartLoading); later calls give
    // the same answer.
    LoadResult LoadSounds() override;
    void PlaySoundEffect(Sound sound, bool StopFirst, bool LoopIt) override;

    // Whether the effect's voice is sounding.
    bool IsPlaying(Sound sound) const;
    // Frames of the effect's current play the device has taken so far.
    long FramesMixed(Sound sound) const;
    // What SDL said about the last failure, for diagnostics on stderr.
    const std::string& LastError() const { return lastError_; }

private:
    LoadResult Load();
    bool OpenDevice();
    bool Ready() const;
    static void Callback(void* self, Uint8* stream, int length);

    std::filesystem::path folder_;
    std::thread loader_;
    std::optional<LoadResult> result_;
    std::optional<Mixer> mixer_;
    SDL_AudioDeviceID device_ = 0;
    int deviceRate_ = 0;
    bool driverStarted_ = false;
    std::string lastError_;
};

}  // namespace sound
