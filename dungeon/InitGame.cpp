#include "core/frmGorvak.h"
#include "dungeon/DungeonFile.h"
#include "ui/Clock.h"
#include "ui/Random.h"
#include "ui/WindowSystem.h"

#include <cmath>

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
    Int16 X = 0;
    Int16 Y = 0;
    GetPixelXY(stats.CurrentRoom, X, Y);
    map.PaintPicture(ui::imgRoom(RoomType.at(stats.CurrentRoom) - 1), X, Y);
    DrawRoomMarker();
}

Int16 frmGorvak::GetGorvakRoom() const
{
    Int16 found = 0;  // none found reads as room 0
    for (Int16 r = 0; r < RoomCount; ++r) {
        if (RoomItem.at(r) == ItemGorvak) found = r;
    }
    return found;
}

Int16 frmGorvak::CalcRoomNumber(float X, float Y)
{
    // Integer division truncates toward zero, so a point just left of or
    // above the grid still gives column or row 0; callers check the point.
    const long long column = RoundHalfEven(static_cast<double>(X) - 106.0) / 44;
    const long long row = RoundHalfEven(static_cast<double>(Y) - 50.0) / 44;
    return Saturate(row * 10 + column);
}
