// How many whole games the play-testing bot gets through in a minute, on the
// shipped dungeon, fake windows and virtual time: the cost of the rules and
// the glue alone. Prints "bot: N games in S s = R games per minute".
#include "support/PlayBot.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

int main()
{
    namespace fs = std::filesystem;
    std::random_device device;
    const fs::path folder =
        fs::temp_directory_path() / ("gorvak-bot-speed-" + std::to_string(device()));
    fs::create_directories(folder);
    fs::current_path(folder);
    const Dungeon dungeon = playbot::Shipped();
    {
        const std::vector<unsigned char> bytes = EncodeDungeon(dungeon);
        std::ofstream out("Dungeon.gvk", std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    constexpr int wanted = 500;
    int games = 0;
    int failures = 0;
    const auto start = std::chrono::steady_clock::now();
    for (std::uint32_t seed = 70000; games < wanted; ++seed) {
        playbot::Bot bot(dungeon, seed, playbot::Options{});
        games += bot.Play();
        if (bot.failed()) {
            std::fprintf(stderr, "%s\n", bot.failure().c_str());
            ++failures;
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("bot: %d games in %.2f s = %.0f games per minute\n", games, seconds,
                games * 60.0 / std::max(seconds, 1e-9));
    fs::current_path(fs::temp_directory_path());
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    return failures == 0 ? 0 : 1;
}
