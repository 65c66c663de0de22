// Records every play, so a test can say "the walking sound restarted".
#pragma once

#include "sound/Sound.h"

#include <vector>

namespace sound {

class FakeSound final : public SoundEffects {
public:
    struct Play {
        Sound sound;
        bool StopFirst;
        bool LoopIt;
        friend bool operator==(const Play&, const Play&) = default;
    };

    LoadResult LoadSounds() override { return loadResult; }
    void PlaySoundEffect(Sound s, bool StopFirst, bool LoopIt) override
    {
        plays.push_back({s, StopFirst, LoopIt});
    }

    void SetVolume(int percent) override { volume = percent; }

    int CountOf(Sound s) const
    {
        int n = 0;
        for (const Play& p : plays) n += p.sound == s ? 1 : 0;
        return n;
    }

    LoadResult loadResult = LoadResult::Loaded;
    std::vector<Play> plays;
    int volume = 100;
};

}  // namespace sound
