#include "core/frmGorvak.h"

bool frmGorvak::OnMap(float X, float Y) { return X > 106 && X < 540 && Y > 50 && Y < 398; }

void frmGorvak::GetPixelXY(Int16 Room, Int16& PixelX, Int16& PixelY)
{
    PixelX = static_cast<Int16>((Room % 10) * 44 + 106);
    PixelY = static_cast<Int16>((Room / 10) * 44 + 50);
}

void frmGorvak::GetHallPixelXY(Int16 RoomPixelX, Int16 RoomPixelY, Int16& HallPixelX,
                               Int16& HallPixelY, Int16 Direction)
{
    // The piece lies between the room just entered and the one left behind.
    switch (Direction) {
    case North:
        HallPixelX = RoomPixelX;
        HallPixelY = static_cast<Int16>(RoomPixelY + 25);
        break;
    case East:
        HallPixelX = static_cast<Int16>(RoomPixelX - 19);
        HallPixelY = RoomPixelY;
        break;
    case South:
        HallPixelX = RoomPixelX;
        HallPixelY = static_cast<Int16>(RoomPixelY - 19);
        break;
    case West:
        HallPixelX = static_cast<Int16>(RoomPixelX + 25);
        HallPixelY = RoomPixelY;
        break;
    default: break;
    }
}

void frmGorvak::DrawCircle(Int16 X, Int16 Y, ui::Color Color)
{
    form().surface().FillCircle(X, Y, 4, Color);
}

void frmGorvak::DrawRoom()
{
    const Int16 shape = RoomType.at(stats.CurrentRoom);
    if (shape < 1 || shape > LastShape) return;  // no room, no picture
    Int16 X = 0;
    Int16 Y = 0;
    GetPixelXY(stats.CurrentRoom, X, Y);
    ui::Surface& map = form().surface();
    // A painted room's corner is white; the empty cell's is its outline.
    if (map.Point(X, Y) == ui::White) return;
    map.PaintPicture(ui::imgRoom(shape - 1), X, Y);
}

void frmGorvak::DrawHallway(Int16 Direction)
{
    Int16 X = 0;
    Int16 Y = 0;
    GetPixelXY(stats.CurrentRoom, X, Y);
    Int16 HX = 0;
    Int16 HY = 0;
    GetHallPixelXY(X, Y, HX, HY, Direction);
    const bool vertical = Direction == North || Direction == South;
    form().surface().PaintPicture(ui::imgHall(vertical ? 0 : 1), HX, HY);
}

void frmGorvak::DrawRoomMarker()
{
    Int16 X = 0;
    Int16 Y = 0;
    GetPixelXY(stats.CurrentRoom, X, Y);
    form().MoveControl("shpRoomMarker", X - 4, Y - 4);
}
