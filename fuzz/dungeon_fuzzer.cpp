// Fuzzes the dungeon reader and, on every file it accepts, a short game:
// start-up with the shuffle, then walks, charm moves and the town driven by
// the input's own bytes. A refused file must come with a message; an
// accepted one must play without breaking the rules' invariants.
#include "core/frmGorvak.h"
#include "dungeon/DungeonFile.h"
#include "dungeon/Grid.h"
#include "fuzz/RuleTiles.h"
#include "sound/fake/FakeSound.h"
#include "town/frmHealth.h"
#include "town/frmMagic.h"
#include "town/frmShoppe.h"
#include "ui/fake/FakeWindowSystem.h"
#include "ui/fake/ScriptedRandom.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

constexpr auto ButtonOf = DepartmentWindow::ButtonOf;
const RuleTiles kTiles;
ui::PictureCache kDecoded(&kTiles);

void Check(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

void CheckInvariants(const frmGorvak& game)
{
    const Module1& s = game.stats;
    Check(s.Health <= 50, "Health <= 50");
    Check(s.Attack <= 100, "Attack <= 100");
    Check(s.Pies >= 0, "Pies >= 0");
    Check(s.Gold >= 0, "Gold >= 0");
    Check(s.Spells >= 0, "Spells >= 0");
    Check(s.CurrentRoom >= 0 && s.CurrentRoom < RoomCount, "CurrentRoom on the grid");
    Check(game.RoomType.at(static_cast<std::size_t>(s.CurrentRoom)) != 0,
          "CurrentRoom holds a room");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    char folder[] = "/tmp/gorvak-fuzz-XXXXXX";
    if (::mkdtemp(folder) == nullptr || ::chdir(folder) != 0) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const DungeonRead read = ParseDungeon({data, size});
    if (!read.dungeon) {
        Check(!read.problems.empty(), "a refused file says why");
        Check(!DungeonMessage(read.problems).empty(), "a message for the player");
        return 0;
    }
    {
        std::ofstream out("Dungeon.gvk", std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    ui::FakeClock clock;
    ui::FakeWindowSystem windows(clock, kDecoded);
    ui::ScriptedRandom random(size);
    sound::FakeSound sounds;
    frmGorvak game(Services{windows, clock, random, sounds});
    windows.Deliver([&game] { game.Form_Load(); });
    Check(!windows.IsQuitting(), "an accepted file starts a game");
    CheckInvariants(game);

    auto* main = windows.Find("frmGorvak");
    // The bytes past the dungeon steer the player.
    for (std::size_t i = DungeonFileSize; i < size && i < DungeonFileSize + 64; ++i) {
        const std::uint8_t b = data[i];
        const grid::Point here = grid::CellCentre(game.stats.CurrentRoom);
        switch (b % 8) {
        case 0:
        case 1:
        case 2:
        case 3: {
            const grid::Point step = grid::Step(static_cast<Direction>(b % 4));
            main->MouseDown(static_cast<float>(here.x + step.x),
                            static_cast<float>(here.y + step.y));
            break;
        }
        case 4: {
            main->Click(frmGorvak::cmdSpell);
            const grid::Point there = grid::CellCentre(b % RoomCount);
            main->MouseDown(static_cast<float>(there.x), static_cast<float>(there.y));
            break;
        }
        case 5: main->MouseDown(static_cast<float>(b) * 2.5f, static_cast<float>(b) * 1.7f); break;
        case 6:
            main->Click(frmGorvak::cmdShop);
            if (auto* hub = windows.Find("frmShoppe"))
                hub->Click(b & 16 ? frmShoppe::cmdMagic : frmShoppe::cmdHealth);
            if (auto* magic = windows.Find(frmMagic::Look.name))
                magic->Click(ButtonOf(b & 32 ? town::Ware::Advice : town::Ware::Brew));
            if (auto* health = windows.Find(frmHealth::Look.name))
                health->Click(ButtonOf(b & 32 ? town::Ware::Lodge : town::Ware::Pie));
            break;
        default: windows.RunUntil(clock.Now() + 1 + b % 5); break;
        }
        if (windows.IsQuitting()) break;
        CheckInvariants(game);
    }
    return 0;
}
