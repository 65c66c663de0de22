// The main window's walking: a click on the map, a step through a door and
// what it costs, the charm move and the teleporter.
#include "core/Texts.h"
#include "core/frmGorvak.h"
#include "dungeon/Grid.h"
#include "exploration/Finds.h"
#include "ui/WindowSystem.h"

void frmGorvak::MovePlayer(float X, float Y)
{
    const auto room = grid::RoomAt(X, Y);
    if (!room) return;
    const Int16 newRoom = *room;
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
    // The painted tile is the door's memory: white at a test point is a wall.
    const auto probe = grid::DoorProbeBetween(stats.CurrentRoom, newRoom);
    if (!probe) {
        Color = ui::White;
        return;
    }
    Color = form().surface().Point(probe->at.x, probe->at.y);
    Direction = probe->side;
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

void frmGorvak::cmdSpell_Click()
{
    if (stats.Spells <= 0) {
        windows().MessageBox(texts::NoCharm, &form());
        return;
    }
    windows().MessageBox(texts::ChooseRoom, &form());
    stats.SpellMode = true;
    stats.Spells = SatAdd(stats.Spells, -1);
}

void frmGorvak::SpellMove(float X, float Y)
{
    const auto room = grid::RoomAt(X, Y);
    if (!room) return;
    const Int16 newRoom = *room;
    // A place with no room cannot be stood in: refuse it and keep the charm
    // move armed, so the charm already spent is not lost.
    if (RoomType.at(newRoom) == 0) {
        ShowNoExit();
        return;
    }
    stats.SpellMode = false;
    PlaySoundEffect(sound::Sound::sndSpell, false, false);
    stats.CurrentRoom = newRoom;
    DrawRoom();
    DrawRoomMarker();
    ShowItem(newRoom);
}

void frmGorvak::Teleport()
{
    PlaySoundEffect(sound::Sound::sndTeleport, false, false);
    const Int16 r = finds::TeleportTarget(RoomType, stats.CurrentRoom, [this] { return Rnd(); });
    stats.CurrentRoom = r;
    DrawRoom();
    DrawRoomMarker();
    ShowItem(r);
}
