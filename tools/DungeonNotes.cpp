#include "tools/DungeonNotes.h"

#include "core/Texts.h"
#include "tools/ToolTexts.h"

#include <algorithm>
#include <deque>

namespace {

constexpr std::array<texts::Text, 4> kSideWords = {texts::North, texts::East, texts::South,
                                                   texts::West};

constexpr Direction Opposite(Direction d) { return static_cast<Direction>((d + 2) % 4); }

std::string List(const std::vector<int>& rooms)
{
    std::string text;
    for (std::size_t i = 0; i < rooms.size(); ++i) {
        if (i > 0) text += tooltexts::ListSeparator;
        text += Decimal(rooms[i]);
    }
    return text;
}

std::string Note(std::string text) { return std::string(tooltexts::NotePrefix) + text; }

// Whether a door on this side leads to another room (the reader has already
// refused doors off the map or into empty places).
bool DoorTo(const Dungeon& dungeon, int room, Direction d)
{
    return HasDoor(dungeon.RoomType[room], d) && !LeadsOffMap(room, d) &&
        dungeon.RoomType[NeighbourOf(room, d)] != 0;
}

}  // namespace

std::vector<bool> WalkableFromStart(const Dungeon& dungeon)
{
    // A step needs a door on the side being left only: the door test reads
    // the current room's tile. Walking back through a one-way door is
    // possible afterwards, but only into a room already reached.
    std::vector<bool> reached(RoomCount, false);
    std::deque<int> next{StartRoom};
    reached[StartRoom] = dungeon.RoomType[StartRoom] != 0;
    if (!reached[StartRoom]) return reached;
    while (!next.empty()) {
        const int room = next.front();
        next.pop_front();
        for (Direction d : Directions) {
            if (!DoorTo(dungeon, room, d)) continue;
            const int to = NeighbourOf(room, d);
            if (!reached[to]) {
                reached[to] = true;
                next.push_back(to);
            }
        }
    }
    return reached;
}

std::vector<std::string> DungeonNotes(const Dungeon& dungeon)
{
    std::vector<std::string> notes;
    for (int r = 0; r < RoomCount; ++r) {
        for (Direction d : Directions) {
            if (!DoorTo(dungeon, r, d)) continue;
            const int to = NeighbourOf(r, d);
            if (HasDoor(dungeon.RoomType[to], Opposite(d))) continue;
            notes.push_back(
                Note(texts::Fill(tooltexts::OneWay, {Decimal(r), kSideWords[d], Decimal(to)})));
        }
    }

    const std::vector<bool> reached = WalkableFromStart(dungeon);
    std::vector<int> unreachable;
    std::vector<int> empty;
    std::vector<int> finals;
    bool teleporter = false;
    for (int r = 0; r < RoomCount; ++r) {
        const Int16 item = dungeon.RoomItem[r];
        if (dungeon.RoomType[r] == 0) {
            empty.push_back(r);
        } else if (!reached[r]) {
            unreachable.push_back(r);
        }
        if (item == ItemGorvak) finals.push_back(r);
        // Only a teleporter in a room can ever be found; one in an empty
        // place stays there.
        if (item == ItemTeleport && dungeon.RoomType[r] != 0) teleporter = true;
    }
    if (!unreachable.empty()) {
        notes.push_back(Note(
            texts::Fill(teleporter ? tooltexts::UnreachableTeleport : tooltexts::UnreachableCharm,
                        {List(unreachable)})));
    }
    if (!empty.empty()) {
        notes.push_back(Note(texts::Fill(tooltexts::EmptyPlaces, {List(empty)})));
    }
    // The start-up shuffle swaps items between rooms only, and never the
    // start room's.
    for (int r : empty) {
        const Int16 item = dungeon.RoomItem[r];
        if (item == ItemNone) continue;
        notes.push_back(
            Note(texts::Fill(tooltexts::LostItem,
                             {Decimal(r), tooltexts::ItemNames[static_cast<std::size_t>(item)]})));
    }
    if (const Int16 item = dungeon.RoomItem[StartRoom]; item != ItemNone) {
        notes.push_back(Note(texts::Fill(tooltexts::StartItem,
                                         {tooltexts::ItemNames[static_cast<std::size_t>(item)]})));
    }
    if (finals.empty()) {
        notes.push_back(Note(std::string(tooltexts::NoFinal)));
    } else if (finals.size() > 1) {
        notes.push_back(Note(texts::Fill(
            tooltexts::ManyFinal, {Decimal(static_cast<long long>(finals.size())), List(finals)})));
    }
    return notes;
}
