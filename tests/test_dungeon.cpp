// A new game from the dungeon file: the map it paints, the random seed, the
// final monster's room, and a bad or missing file ending the game. The file's
// own rules are tested on their own in tests/unit/test_dungeon_file.cpp.
#include "support/GameFixture.h"

#include "core/Texts.h"

#include <fstream>

using testing_support::FromText;
using testing_support::GameTest;
using testing_support::OpenDungeon;

namespace {

class InitGameTest : public GameTest { };

TEST_F(InitGameTest, PaintsTheEmptyMapAndTheStartRoomWithItsMarker)
{
    Dungeon d = OpenDungeon();
    d.RoomType[45] = 15;
    Start(d);
    const auto& painted = Main().fakeSurface().painted;
    ASSERT_GE(painted.size(), 2U);
    EXPECT_EQ(painted[painted.size() - 2].picture, ui::Picture::Gorvak);
    EXPECT_EQ(painted.back().picture, ui::imgRoom(14));
    EXPECT_EQ(painted.back().x, 326);
    EXPECT_EQ(painted.back().y, 226);
    EXPECT_EQ(Main().ControlPlace(frmGorvak::shpRoomMarker).left, 322);
    EXPECT_EQ(Main().ControlPlace(frmGorvak::shpRoomMarker).top, 222);
    EXPECT_EQ(MapPixel(326, 226), ui::White);
}

TEST_F(InitGameTest, SeedsTheRandomSourceFromTheTimeOfDayAtEveryGame)
{
    Start(OpenDungeon());
    ASSERT_EQ(random.seeds.size(), 1U);
    EXPECT_DOUBLE_EQ(random.seeds[0], clock.SecondsSinceMidnight());
    clock.Advance(5);
    game->InitGame();
    ASSERT_EQ(random.seeds.size(), 2U);
    EXPECT_DOUBLE_EQ(random.seeds[1], clock.SecondsSinceMidnight());
}

TEST_F(InitGameTest, AMissingFileEndsTheGameWithAMessage)
{
    game = std::make_unique<frmGorvak>(Services{windows, clock, random, sounds});
    windows.Deliver([this] { game->Form_Load(); });
    EXPECT_TRUE(windows.IsQuitting());
    EXPECT_EQ(windows.ExitStatus(), 1);
    ASSERT_EQ(windows.messages.size(), 1U);
    EXPECT_EQ(windows.messages[0],
              DungeonMissingText(texts::DefaultDungeon) + std::string(texts::DungeonEnd));
    EXPECT_FALSE(Main().IsVisible()) << "no game window on a refused file";
}

TEST_F(InitGameTest, EveryBadFileEndsTheGameBeforeTheWindowShows)
{
    std::vector<std::vector<unsigned char>> files;
    files.push_back({});
    files.push_back(std::vector<unsigned char>(319, 0));
    for (auto change : std::vector<std::function<void(Dungeon&)>>{
             [](Dungeon& d) { d.RoomType[5] = 99; },
             [](Dungeon& d) { d.RoomItem[5] = 9; },
             [](Dungeon& d) { d.RoomType[45] = 0; },
             [](Dungeon& d) { d.RoomType[9] = 15; },
             [](Dungeon& d) { d.RoomType[33] = 0; },
         }) {
        Dungeon d = OpenDungeon();
        change(d);
        files.push_back(EncodeDungeon(d));
    }
    for (const auto& bytes : files) {
        ui::FakeClock c;
        ui::FakeWindowSystem w(c, &testing_support::ShippedPictures());
        WriteDungeonBytes(bytes);
        frmGorvak g(Services{w, c, random, sounds});
        w.Deliver([&g] { g.Form_Load(); });
        EXPECT_EQ(w.ExitStatus(), 1);
        ASSERT_EQ(w.messages.size(), 1U);
        EXPECT_NE(w.messages[0].find("遊戲無法開始"), std::string::npos) << w.messages[0];
        EXPECT_FALSE(w.Find("frmGorvak")->IsVisible());
    }
}

TEST_F(InitGameTest, ARestartRereadsTheFileAndEndsTheGameIfItWentBad)
{
    Start(OpenDungeon());
    std::vector<unsigned char> bytes = EncodeDungeon(OpenDungeon());
    bytes.resize(100);
    WriteDungeonBytes(bytes);
    windows.Deliver([this] { game->InitGame(); });
    EXPECT_TRUE(windows.IsQuitting());
    EXPECT_EQ(windows.ExitStatus(), 1);
}

}  // namespace
