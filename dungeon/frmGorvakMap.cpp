// The main window's dungeon operations: a new game, and painting the map.
#include "core/frmGorvak.h"
#include "dungeon/DungeonFile.h"
#include "dungeon/Grid.h"
#include "ui/Clock.h"
#include "ui/Random.h"
#include "ui/WindowSystem.h"

void frmGorvak::InitGame()
{
    const DungeonRead read = ReadDungeonFile(DungeonFile);
    if (!read.dungeon) {
        windows().MessageBox(DungeonMessage(read.problems), nullptr);
        windows().Quit(1);
        throw ui::ProgramEnding{};
    }
    RoomType = read.dungeon->RoomType;
    RoomItem = read.dungeon->RoomItem;
    ++gameNumber_;
    services().random.Randomize(services().clock.SecondsSinceMidnight());
    stats.InitPlayer();
    Battling = false;
    GorvakRoom = GetGorvakRoom();
    ui::Surface& map = form().surface();
    map.PaintPicture(ui::Picture::Gorvak, 0, 0);
    const grid::Point corner = grid::RoomCorner(stats.CurrentRoom);
    map.PaintPicture(ui::imgRoom(RoomType.at(stats.CurrentRoom) - 1), corner.x, corner.y);
    DrawRoomMarker();
}

Int16 frmGorvak::GetGorvakRoom() const { return GorvakRoomOf(RoomItem); }

Int16 frmGorvak::CalcRoomNumber(float X, float Y) { return grid::CalcRoomNumber(X, Y); }

bool frmGorvak::OnMap(float X, float Y) { return grid::OnMap(X, Y); }

void frmGorvak::GetPixelXY(Int16 Room, Int16& PixelX, Int16& PixelY)
{
    const grid::Point corner = grid::RoomCorner(Room);
    PixelX = static_cast<Int16>(corner.x);
    PixelY = static_cast<Int16>(corner.y);
}

void frmGorvak::GetHallPixelXY(Int16 RoomPixelX, Int16 RoomPixelY, Int16& HallPixelX,
                               Int16& HallPixelY, Int16 Direction)
{
    const auto hall = grid::HallCorner({RoomPixelX, RoomPixelY}, Direction);
    if (!hall) return;  // not a direction: the out arguments stay as they were
    HallPixelX = static_cast<Int16>(hall->x);
    HallPixelY = static_cast<Int16>(hall->y);
}

void frmGorvak::DrawCircle(Int16 X, Int16 Y, ui::Color Color)
{
    form().surface().FillCircle(X, Y, 4, Color);
}

void frmGorvak::DrawRoom()
{
    const Int16 shape = RoomType.at(stats.CurrentRoom);
    if (shape < 1 || shape > LastShape) return;  // no room, no picture
    const grid::Point corner = grid::RoomCorner(stats.CurrentRoom);
    ui::Surface& map = form().surface();
    // A painted room's corner is white; the empty cell's is its outline.
    if (map.Point(corner.x, corner.y) == ui::White) return;
    map.PaintPicture(ui::imgRoom(shape - 1), corner.x, corner.y);
}

void frmGorvak::DrawHallway(Int16 Direction)
{
    const auto hall = grid::HallCorner(grid::RoomCorner(stats.CurrentRoom), Direction);
    if (!hall) return;
    const int piece = grid::HallPicture(static_cast<::Direction>(Direction));
    form().surface().PaintPicture(ui::imgHall(piece), hall->x, hall->y);
}

void frmGorvak::DrawRoomMarker()
{
    const grid::Point corner = grid::RoomCorner(stats.CurrentRoom);
    form().MoveControl(shpRoomMarker, corner.x - 4, corner.y - 4);
}
