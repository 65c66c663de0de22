// The play-testing bot's runs: the shipped dungeon and harsher ones, each
// failure naming the seed of its run; GORVAK_BOT_SEED=<seed> plays just that
// run again, exactly.
#include "support/PlayBot.h"

#include <gtest/gtest.h>

using testing_support::GameTest;
using testing_support::OpenDungeon;
using namespace playbot;

namespace {

std::optional<std::uint32_t> ReplaySeed()
{
    const char* text = std::getenv("GORVAK_BOT_SEED");
    if (text == nullptr || *text == '\0') return std::nullopt;
    return static_cast<std::uint32_t>(std::strtoul(text, nullptr, 10));
}

struct Tally {
    int games = 0;
    int endings = 0;
    int runs = 0;
    int failures = 0;
    int timed = 0;
    int modals = 0;
    int dropped = 0;  // input for other windows while a modal one was up
    std::array<int, sound::SoundCount> heard{};
};

class BotTest : public GameTest {
protected:
    // Runs bots with seeds from `firstSeed` on until `games` games are
    // played; each failure is reported with its seed.
    Tally Play(const Dungeon& dungeon, int games, std::uint32_t firstSeed, Options options)
    {
        WriteDungeon(dungeon);
        Tally tally;
        const auto replay = ReplaySeed();
        for (std::uint32_t seed = replay.value_or(firstSeed);; ++seed) {
            Bot bot(dungeon, seed, options);
            tally.games += bot.Play();
            tally.endings += bot.endings();
            for (int k = 0; k < sound::SoundCount; ++k)
                tally.heard[static_cast<std::size_t>(k)] +=
                    bot.heard()[static_cast<std::size_t>(k)];
            tally.timed += bot.timedFired();
            tally.modals += bot.modalsAnswered();
            tally.dropped += bot.droppedInputs();
            ++tally.runs;
            if (bot.failed()) {
                ADD_FAILURE() << bot.failure();
                if (++tally.failures >= 3) break;
            }
            if (replay || tally.games >= games) break;
        }
        return tally;
    }

    void PlayAndCount(const Dungeon& dungeon, int games, std::uint32_t firstSeed, Options options)
    {
        const Tally tally = Play(dungeon, games, firstSeed, options);
        if (std::getenv("GORVAK_BOT_VERBOSE") != nullptr) {
            std::printf("games %d runs %d endings %d timed %d modals %d | sounds:", tally.games,
                        tally.runs, tally.endings, tally.timed, tally.modals);
            for (int h : tally.heard) std::printf(" %d", h);
            std::printf("\n");
        }
        if (!ReplaySeed()) {
            EXPECT_GE(tally.games, games);
            EXPECT_GT(tally.endings, 0) << "no game ever ended by the rules";
        }
    }
};

// Teleporters almost everywhere: a find sends the player on and on.
Dungeon TeleporterChains()
{
    Dungeon d = OpenDungeon();
    for (int r = 0; r < RoomCount; ++r) d.RoomItem[r] = ItemTeleport;
    d.RoomItem[StartRoom] = ItemNone;
    d.RoomItem[7] = ItemGorvak;
    d.RoomItem[33] = ItemGold;
    d.RoomItem[61] = ItemSpell;
    d.RoomItem[66] = ItemSerum;
    return d;
}

Dungeon AllSkeletons()
{
    Dungeon d = OpenDungeon();
    for (int r = 0; r < RoomCount; ++r) d.RoomItem[r] = ItemSkeleton;
    d.RoomItem[StartRoom] = ItemSkeleton;  // the start room keeps it until walked back into
    d.RoomItem[72] = ItemGorvak;
    return d;
}

// Empty places, one-way doors and rooms not walkable to, still a file the
// game accepts.
Dungeon Holes(std::uint32_t seed)
{
    std::mt19937 rng(seed);
    Dungeon d = OpenDungeon();
    auto chance = [&](double p) { return std::uniform_real_distribution<double>(0, 1)(rng) < p; };
    for (int r = 0; r < RoomCount; ++r) {
        if (r != StartRoom && chance(0.25)) d.RoomType[r] = 0;
    }
    // Doors only where the map allows them; some lose their way back.
    for (bool changed = true; changed;) {
        changed = false;
        for (int r = 0; r < RoomCount; ++r) {
            if (d.RoomType[r] == 0) continue;
            std::array<bool, 4> door{};
            for (Direction dir : Directions) {
                door[dir] = HasDoor(d.RoomType[r], dir) && !LeadsOffMap(r, dir) &&
                    d.RoomType[NeighbourOf(r, dir)] != 0;
            }
            Int16 shape = ShapeOf(door[North], door[East], door[South], door[West]);
            if (shape == 0 && r == StartRoom) shape = d.RoomType[r];  // keep the start as is
            if (shape != d.RoomType[r]) {
                d.RoomType[r] = shape;
                changed = true;
            }
        }
    }
    for (int r = 0; r < RoomCount; ++r) {
        if (d.RoomType[r] == 0) continue;
        std::array<bool, 4> door{};
        int doors = 0;
        for (Direction dir : Directions) doors += (door[dir] = HasDoor(d.RoomType[r], dir));
        for (Direction dir : Directions) {
            if (door[dir] && doors > 1 && chance(0.15)) {
                door[dir] = false;  // the neighbour's door back stays: one way
                --doors;
            }
        }
        d.RoomType[r] = ShapeOf(door[North], door[East], door[South], door[West]);
    }
    constexpr std::array<Int16, 8> items = {ItemNone, ItemNone,     ItemSerum, ItemSpell,
                                            ItemGold, ItemSkeleton, ItemThief, ItemTeleport};
    for (int r = 0; r < RoomCount; ++r) {
        d.RoomItem[r] = items[std::uniform_int_distribution<std::size_t>(0, items.size() - 1)(rng)];
    }
    d.RoomItem[StartRoom] = ItemNone;
    for (int r = 0; r < RoomCount; ++r) {
        if (r != StartRoom && d.RoomType[r] == 0 && chance(0.3))
            d.RoomItem[r] = ItemGold;  // never found
    }
    int z = 0;
    do {
        z = std::uniform_int_distribution<int>(0, RoomCount - 1)(rng);
    } while (d.RoomType[z] == 0 || z == StartRoom);
    d.RoomItem[z] = ItemGorvak;
    return d;
}

TEST_F(BotTest, TheShippedDungeonFromTheProgramsStart)
{
    PlayAndCount(Shipped(), 1500 / kScale, 1000, Options{});
}

TEST_F(BotTest, TheShippedDungeonOnTheOtherRandomSource)
{
    Options o;
    o.shuffle = false;
    o.stdRandom = true;
    PlayAndCount(Shipped(), 600 / kScale, 20000, o);
}

TEST_F(BotTest, TeleporterChains)
{
    Options o;
    o.shuffle = false;
    PlayAndCount(TeleporterChains(), 500 / kScale, 30000, o);
}

TEST_F(BotTest, SkeletonsEverywhere)
{
    PlayAndCount(AllSkeletons(), 500 / kScale, 40000, Options{});
}

TEST_F(BotTest, EmptyPlacesAndOneWayDoors)
{
    for (std::uint32_t layout = 1; layout <= 6; ++layout) {
        const Dungeon d = Holes(layout);
        ASSERT_TRUE(DungeonProblems(d).empty())
            << "layout " << layout << ": " << DungeonProblems(d).front();
        Options o;
        o.shuffle = layout % 2 == 0;
        o.stdRandom = layout % 3 == 0;
        SCOPED_TRACE("layout " + std::to_string(layout));
        PlayAndCount(d, 150 / kScale, 50000 + 1000 * layout, o);
    }
}

// The message boxes and the status window are application-modal: clicks,
// keys and close requests meant for other windows while one is up go
// nowhere, and every rule check holds as in ordinary play. (Let through,
// such clicks would carry actions on into the next game: a charm spent
// during its own message, a step whose warning spans an ending.)
TEST_F(BotTest, ActingOnOtherWindowsWhileAModalOneIsUpDoesNothing)
{
    Options o;
    o.throughModals = true;
    PlayAndCount(Shipped(), 200 / kScale, 60000, o);
    const Tally tally = Play(Shipped(), 20, 61000, o);
    EXPECT_EQ(tally.failures, 0);
    EXPECT_GT(tally.dropped, 0) << "the bot never tried another window during a modal one";
}

}  // namespace
