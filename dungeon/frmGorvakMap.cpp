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
