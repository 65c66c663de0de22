// Walking with the keyboard: an arrow (or W A S D) is a click at the centre
// of the neighbouring cell, so every rule of clicks holds for keys too.
#include "support/GameFixture.h"

#include "core/Texts.h"

using testing_support::GameTest;
using testing_support::OpenDungeon;

namespace {

class KeyboardTest : public GameTest {
protected:
    KeyboardTest() { Start(OpenDungeon()); }
    void NothingTurnsUp() { random.PushDraw(10, 0); }
};

TEST_F(KeyboardTest, EachKeyWalksToItsNeighbour)
{
    const std::array<std::pair<ui::Key, int>, 4> walks = {
        {{ui::Key::Up, 35}, {ui::Key::Right, 36}, {ui::Key::Down, 46}, {ui::Key::Left, 45}}};
    for (const auto& [key, room] : walks) {
        NothingTurnsUp();
        Main().KeyDown(key);
        EXPECT_EQ(Stats().CurrentRoom, room);
    }
    // Each key step costs like a walk; the third eats the only pie.
    EXPECT_EQ(Stats().Attack, 100 - 1 - 1 - 1 - 2);
    EXPECT_EQ(sounds.CountOf(sound::Sound::sndWalk), 4);
}

TEST_F(KeyboardTest, AWallRefusesAKeyAsItRefusesAClick)
{
    PutPlayerIn(0);
    Main().KeyDown(ui::Key::Up);  // off the map: ignored like a click there
    Main().KeyDown(ui::Key::Left);
    EXPECT_TRUE(windows.messages.empty());
    game->RoomType[1] = 0;  // pretend the east side is walled off
    game->form().surface().PaintPicture(ui::imgRoom(2), 106, 50);  // a tile with only a south door
    Main().KeyDown(ui::Key::Right);
    ASSERT_EQ(windows.messages.size(), 1U);
    EXPECT_EQ(windows.messages[0], texts::NoExit);
    EXPECT_EQ(Stats().CurrentRoom, 0);
}

TEST_F(KeyboardTest, KeysAreIgnoredWhileBattlingOrShuffling)
{
    game->Battling = true;
    Main().KeyDown(ui::Key::Down);
    game->Battling = false;
    game->Shuffling = true;
    Main().KeyDown(ui::Key::Down);
    EXPECT_EQ(Stats().CurrentRoom, 45);
    EXPECT_TRUE(sounds.plays.empty());
}

TEST_F(KeyboardTest, AnArmedCharmTakesTheKeyAsItsTarget)
{
    Stats().Spells = 1;
    Main().Click(frmGorvak::cmdSpell);
    NothingTurnsUp();
    Main().KeyDown(ui::Key::Left);
    EXPECT_EQ(Stats().CurrentRoom, 44);
    EXPECT_FALSE(Stats().SpellMode);
    EXPECT_EQ(Stats().Attack, 100) << "a charm move costs no step";
    EXPECT_EQ(sounds.CountOf(sound::Sound::sndSpell), 1);
}

}  // namespace
