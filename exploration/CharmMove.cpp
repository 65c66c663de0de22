#include "core/Texts.h"
#include "core/frmGorvak.h"
#include "ui/WindowSystem.h"

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
    if (!OnMap(X, Y)) return;
    const Int16 newRoom = CalcRoomNumber(X, Y);
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
    // Ends: every room shape has a door and the dungeon reader lets no door
    // lead to an empty place, so there is always a second room.
    Int16 r = 0;
    do {
        r = static_cast<Int16>(Draw(RoomCount, Rnd(), 0));
    } while (RoomType.at(r) == 0 || r == stats.CurrentRoom);
    stats.CurrentRoom = r;
    DrawRoom();
    DrawRoomMarker();
    ShowItem(r);
}
