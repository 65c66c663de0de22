// The map: where rooms, hallways, blinks and the marker go, and the pixel
// rules of the shipped pictures that the door tests read back.
#include "support/GameFixture.h"

using testing_support::GameTest;
using testing_support::OpenDungeon;
using testing_support::ShippedPictures;

namespace {

constexpr ui::Color DoorRed = ui::RGB(255, 85, 85);
constexpr ui::Color OutlineRed = ui::RGB(168, 0, 0);

TEST(ShippedPictures, EveryRoomTileShowsItsDoorsAtTheTestPoints)
{
    const auto& pictures = ShippedPictures();
    for (Int16 shape = 1; shape <= LastShape; ++shape) {
        const ui::Picture tile = ui::imgRoom(shape - 1);
        EXPECT_EQ(pictures.PixelOf(tile, 0, 0), ui::White) << "shape " << shape;
        for (Direction side : Directions) {
            const grid::Point p = grid::DoorTestPoint(side);
            const ui::Color c = pictures.PixelOf(tile, p.x, p.y);
            if (HasDoor(shape, side)) {
                EXPECT_EQ(c, DoorRed) << "shape " << shape << " side " << side;
            } else {
                EXPECT_EQ(c, ui::White) << "shape " << shape << " side " << side;
            }
        }
    }
}

TEST(ShippedPictures, HallwaysCoverTheFacingDoorPointsAndKeepCornersWhite)
{
    const auto& pictures = ShippedPictures();
    EXPECT_NE(pictures.PixelOf(ui::imgHall(0), 12, 0), ui::White);
    EXPECT_NE(pictures.PixelOf(ui::imgHall(0), 12, 20), ui::White);
    EXPECT_EQ(pictures.PixelOf(ui::imgHall(0), 0, 19), ui::White);
    EXPECT_NE(pictures.PixelOf(ui::imgHall(1), 1, 12), ui::White);
    EXPECT_NE(pictures.PixelOf(ui::imgHall(1), 20, 12), ui::White);
    EXPECT_EQ(pictures.PixelOf(ui::imgHall(1), 19, 0), ui::White);
}

TEST(ShippedPictures, TheBackgroundHoldsEightyEmptyCells)
{
    const auto& pictures = ShippedPictures();
    for (Int16 r = 0; r < RoomCount; ++r) {
        Int16 x = 0;
        Int16 y = 0;
        frmGorvak::GetPixelXY(r, x, y);
        EXPECT_EQ(pictures.PixelOf(ui::Picture::Gorvak, x, y), OutlineRed) << "room " << r;
        EXPECT_EQ(pictures.PixelOf(ui::Picture::Gorvak, x + 31, y + 31), OutlineRed);
        for (int i = 1; i < 31; i += 3) {
            for (int j = 1; j < 31; j += 3) {
                ASSERT_EQ(pictures.PixelOf(ui::Picture::Gorvak, x + i, y + j), grid::EmptyCellGrey)
                    << "room " << r;
            }
        }
    }
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            ASSERT_NE(pictures.PixelOf(ui::Picture::Gorvak, x, y), ui::White) << x << "," << y;
        }
    }
}

class MapTest : public GameTest {
protected:
    MapTest() { Start(OpenDungeon()); }

    const ui::FakeSurface& Map() const { return Main().fakeSurface(); }
};

TEST_F(MapTest, AfterAHallwayBothRoomsStillReadAsDrawnWithOpenDoors)
{
    for (Direction d : Directions) {
        Start(OpenDungeon());
        const int from = NeighbourOf(45, grid::Opposite(d));
        PutPlayerIn(from);
        PutPlayerIn(45);
        game->DrawHallway(d);
        Int16 x = 0;
        Int16 y = 0;
        frmGorvak::GetPixelXY(45, x, y);
        Int16 fx = 0;
        Int16 fy = 0;
        frmGorvak::GetPixelXY(static_cast<Int16>(from), fx, fy);
        EXPECT_EQ(MapPixel(x, y), ui::White);
        EXPECT_EQ(MapPixel(fx, fy), ui::White);
        const grid::Point back = grid::DoorTestPoint(grid::Opposite(d));
        const grid::Point ahead = grid::DoorTestPoint(d);
        EXPECT_NE(MapPixel(x + back.x, y + back.y), ui::White) << "direction " << d;
        EXPECT_NE(MapPixel(fx + ahead.x, fy + ahead.y), ui::White) << "direction " << d;
    }
}

TEST_F(MapTest, ARoomIsPaintedOnceSoHallwaysOverItsEdgesStay)
{
    PutPlayerIn(46);
    Stats().CurrentRoom = 45;
    game->DrawHallway(West);
    const std::size_t paintings = Map().painted.size();
    game->DrawRoom();  // already drawn: the white corner says so
    EXPECT_EQ(Map().painted.size(), paintings);
    Stats().CurrentRoom = 47;
    game->DrawRoom();
    EXPECT_EQ(Map().painted.size(), paintings + 1);
}

TEST_F(MapTest, APlaceWithoutARoomIsNeverPainted)
{
    game->RoomType[12] = 0;
    Stats().CurrentRoom = 12;
    const std::size_t paintings = Map().painted.size();
    game->DrawRoom();
    EXPECT_EQ(Map().painted.size(), paintings);
}

TEST_F(MapTest, ABlinkWhiteThenGreyLeavesAnEmptyCellAsItWas)
{
    std::vector<ui::Color> before;
    for (int dy = -6; dy <= 6; ++dy)
        for (int dx = -6; dx <= 6; ++dx) before.push_back(MapPixel(342 + dx, 242 + dy + 44));
    game->DrawCircle(342, 242 + 44, ui::White);
    EXPECT_EQ(MapPixel(342, 286), ui::White);
    game->DrawCircle(342, 242 + 44, grid::EmptyCellGrey);
    std::size_t i = 0;
    for (int dy = -6; dy <= 6; ++dy)
        for (int dx = -6; dx <= 6; ++dx) EXPECT_EQ(MapPixel(342 + dx, 286 + dy), before[i++]);
}

TEST_F(MapTest, TheMarkerFloatsAboveTheMapAndNeverEntersItsPixels)
{
    PutPlayerIn(0);
    EXPECT_EQ(Main().ControlPlace(frmGorvak::shpRoomMarker).left, 102);
    EXPECT_EQ(Main().ControlPlace(frmGorvak::shpRoomMarker).top, 46);
    for (int x = 100; x < 150; ++x) EXPECT_NE(MapPixel(x, 47), grid::MarkerYellow);
}

}  // namespace
