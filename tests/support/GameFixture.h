// A whole game on fake windows in virtual time, with the real pictures (so
// the map's pixel rules are the shipped ones), scripted dice and recorded
// sounds. Each test runs in a fresh folder holding its own Dungeon.gvk.
#pragma once

#include "core/WindowLayout.h"
#include "core/frmGorvak.h"
#include "dungeon/DungeonFile.h"
#include "dungeon/DungeonText.h"
#include "sound/fake/FakeSound.h"
#include "support/Boards.h"
#include "support/PngPictures.h"
#include "ui/fake/FakeWindowSystem.h"
#include "ui/fake/ScriptedRandom.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace testing_support {

const PngPictures& ShippedPictures();
// The shipped pictures decoded once for all the tests' fake windows.
ui::PictureCache& ShippedPictureCache();

class GameTest : public ::testing::Test {
protected:
    GameTest();
    ~GameTest() override;

    void WriteDungeon(const Dungeon& dungeon);
    void WriteDungeonBytes(const std::vector<unsigned char>& bytes);
    // A new game on the given dungeon without the start-up shuffle, the
    // main window showing: the state every restart leads to.
    void Start(const Dungeon& dungeon);
    void Start(std::string_view text) { Start(FromText(text)); }
    // The real start-up sequence, shuffle included.
    void Load(const Dungeon& dungeon, const std::function<void(frmGorvak&)>& before = {});

    ui::FakeForm& Main() const;
    ui::FakeForm& Window(std::string_view name) const;
    Module1& Stats() const { return game->stats; }
    // A click at the centre of a room's cell, through the main window.
    void ClickRoom(int room);
    void WalkTo(int room) { ClickRoom(room); }
    // Moves the player there as if by an earlier walk.
    void PutPlayerIn(int room);
    ui::Color MapPixel(int x, int y) const;
    std::vector<std::string> PrintedOn(std::string_view window) const;

    ui::FakeClock clock;
    ui::FakeWindowSystem windows{clock, ShippedPictureCache()};
    ui::ScriptedRandom random;
    sound::FakeSound sounds;
    std::unique_ptr<frmGorvak> game;

private:
    std::filesystem::path previous_;
    std::filesystem::path folder_;
};

}  // namespace testing_support
