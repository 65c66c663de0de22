// The game's sound layer alone, for the effects the game plays only deep in
// a fight or at an ending: plays each effect whose number (load order) comes
// on stdin, and answers with the call's time in microseconds.
#include "sound/DeviceSound.h"

#include <chrono>
#include <cstdio>
#include <iostream>

int main(int argc, char* argv[])
{
    sound::DeviceSound sounds(argc > 1 ? argv[1] : "audio");
    if (sounds.LoadSounds() != sound::LoadResult::Loaded) {
        std::fprintf(stderr, "%s\n", sounds.LastError().c_str());
        return 1;
    }
    std::puts("loaded");
    for (int effect = 0; std::fflush(stdout) == 0 && std::cin >> effect;) {
        const auto start = std::chrono::steady_clock::now();
        sounds.PlaySoundEffect(static_cast<sound::Sound>(effect), true, false);
        std::printf(
            "%.1f\n",
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                .count());
    }
}
