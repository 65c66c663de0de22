// The eleven sound effects and the one call that plays them.
#pragma once

#include <array>
#include <string_view>

namespace sound {

// In load order.
enum class Sound : int {
    sndWalk,
    sndDice,
    sndTeleport,
    sndGorvak,
    sndGorvak2,
    sndSkeletonHit,
    sndPlayerHit,
    sndSpell,
    sndDiscovery,
    sndShop,
    sndCheckStats,
};

inline constexpr int SoundCount = 11;

// File names under the program's "audio" folder, letter case as written.
inline constexpr std::array<std::string_view, SoundCount> SoundFiles = {
    "Walk.wav",      "Dice.wav",  "Teleport.wav",  "Gorvak.wav", "Gorvak2.wav",   "SkeletonHit.wav",
    "PlayerHit.wav", "Spell.wav", "Discovery.wav", "Shop.wav",   "CheckStats.wav"};

enum class LoadResult { Loaded, DeviceFailed, FileMissing };

class SoundEffects {
public:
    virtual ~SoundEffects() = default;
    // Opens the output and loads every effect, stopping at the first failure.
    virtual LoadResult LoadSounds() = 0;
    // StopFirst restarts the effect from its beginning; without it an effect
    // still sounding goes on. An effect never overlaps itself; different
    // effects mix.
    virtual void PlaySoundEffect(Sound sound, bool StopFirst, bool LoopIt) = 0;
    // 0 (silence) to 100 (the effects as recorded), from the next sample
    // mixed on; effects already sounding change too.
    virtual void SetVolume(int percent) = 0;
};

}  // namespace sound
