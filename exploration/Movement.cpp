#include "core/Texts.h"
#include "core/frmGorvak.h"
#include "ui/WindowSystem.h"

void frmGorvak::MovePlayer(float X, float Y)
{
    if (!OnMap(X, Y)) return;
    const Int16 newRoom = CalcRoomNumber(X, Y);
    ui::Color Color = ui::White;
    Int16 Direction = 0;
    CalcMoveDirection(newRoom, Color, Direction);
    if (Color == ui::White) {
        ShowNoExit();
    } else {
        MoveToRoom(newRoom, Direction);
    }
}

void frmGorvak::CalcMoveDirection(Int16 newRoom, ui::Color& Color, Int16& Direction)
{
    Int16 PixelX = 0;
    Int16 PixelY = 0;
    const Int16 here = stats.CurrentRoom;
    GetPixelXY(here, PixelX, PixelY);
    ui::Surface& map = form().surface();
    // The painted tile is the door's memory: white at a test point is a wall.
    struct Test {
        int offset, dx, dy;
    };
    constexpr std::array<Test, 4> tests = {{{-10, 12, 1}, {1, 26, 12}, {10, 12, 25}, {-1, 1, 12}}};
    for (Int16 d = 0; d < 4; ++d) {
        if (newRoom == here + tests[d].offset) {
            Color = map.Point(PixelX + tests[d].dx, PixelY + tests[d].dy);
            Direction = d;
            return;
        }
    }
    Color = ui::White;
}

void frmGorvak::MoveToRoom(Int16 newRoom, Int16 Direction)
{
    if (!UpdateStats()) return;  // died of exhaustion: a new game has begun
    PlaySoundEffect(sound::Sound::sndWalk, true, false);
    stats.CurrentRoom = newRoom;
    DrawRoom();
    DrawHallway(Direction);
    DrawRoomMarker();
    ShowItem(newRoom);
}

void frmGorvak::ShowNoExit() { windows().MessageBox(texts::NoExit, &form()); }
