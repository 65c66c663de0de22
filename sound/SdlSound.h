#pragma once

#include "sound/Sound.h"

#include <array>
#include <filesystem>
#include <string>

struct Mix_Chunk;

namespace sound {

// SDL2_mixer with one channel per effect: a channel plays one chunk at a
// time, which gives "never overlaps itself" and "different effects mix".
class SdlSound final : public SoundEffects {
public:
    explicit SdlSound(std::filesystem::path audioFolder);
    ~SdlSound() override;
    SdlSound(const SdlSound&) = delete;
    SdlSound& operator=(const SdlSound&) = delete;

    LoadResult LoadSounds() override;
    void PlaySoundEffect(Sound sound, bool StopFirst, bool LoopIt) override;

    // For tests: whether the effect's channel is sounding.
    bool IsPlaying(Sound sound) const;
    // What SDL said about the last failure, for diagnostics on stderr.
    const std::string& LastError() const { return lastError_; }

private:
    bool InitSoundDevice();
    Mix_Chunk* LoadSoundFile(const std::filesystem::path& path);

    std::filesystem::path folder_;
    std::array<Mix_Chunk*, SoundCount> buffers_{};
    bool audioOpen_ = false;
    bool sdlStarted_ = false;
    std::string lastError_;
};

}  // namespace sound
