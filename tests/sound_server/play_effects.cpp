// The sound layer alone, for the effects the game plays only deep in a fight
// or at an ending: plays the effect whose number (load order) comes on stdin
// and answers with the call's time in microseconds.
#include "sound/DeviceSound.h"

#include <chrono>
#include <cstdio>
#include <iostream>

int main(int argc, char* argv[])
{
    sound::DeviceSound sounds(argc > 1 ? argv[1] : "audio");
    std::puts(sounds.LoadSounds() == sound::LoadResult::Loaded ? "loaded"
                                                               : sounds.LastError().c_str());
    for (int effect = 0; std::fflush(stdout) == 0 && std::cin >> effect;) {
        const auto start = std::chrono::steady_clock::now();
        sounds.PlaySoundEffect(static_cast<sound::Sound>(effect), true, false);
        const std::chrono::duration<double, std::micro> took =
            std::chrono::steady_clock::now() - start;
        std::printf("%.1f\n", took.count());
    }
}
