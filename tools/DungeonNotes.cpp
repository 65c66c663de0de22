#include "tools/DungeonNotes.h"

#include "core/Texts.h"
#include "tools/ToolTexts.h"

#include <algorithm>
#include <deque>

namespace {

constexpr std::array<std::string_view, 4> kSideWords = {texts::North, texts::East, texts::South,
                                                        texts::West};

constexpr Direction Opposite(Direction d) { return static_cast<Direction>((d + 2) % 4); }

std::string Room(int room)
{
    return std::string(texts::DungeonRoom) + Decimal(room) + std::string(texts::DungeonRoomB);
}

std::string List(const std::vector<int>& rooms, std::string_view end)
{
    std::string text(tooltexts::ListRoomA);
    for (std::size_t i = 0; i < rooms.size(); ++i) {
        if (i > 0) text += tooltexts::ListSeparator;
        text += Decimal(rooms[i]);
    }
    return text + std::string(end);
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
            notes.push_back(Note(Room(r) + std::string(texts::DungeonDoorOffMapA) +
                                 std::string(kSideWords[d]) + std::string(tooltexts::OneWayA) +
                                 Decimal(to) + std::string(tooltexts::OneWayB) + Decimal(to) +
                                 std::string(tooltexts::OneWayC)));
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
            std::string(teleporter ? tooltexts::UnreachableTeleport : tooltexts::UnreachableCharm) +
            List(unreachable, tooltexts::ListRoomB) + "。"));
    }
    if (!empty.empty()) {
        notes.push_back(
            Note(std::string(tooltexts::EmptyPlaces) + List(empty, tooltexts::ListPlaceB) + "。"));
    }
    // The start-up shuffle swaps items between rooms only, and never the
    // start room's.
    for (int r : empty) {
        const Int16 item = dungeon.RoomItem[r];
        if (item == ItemNone) continue;
        notes.push_back(Note(std::string(tooltexts::ListRoomA) + Decimal(r) +
                             std::string(tooltexts::LostItemA) +
                             std::string(tooltexts::ItemNames[static_cast<std::size_t>(item)]) +
                             std::string(tooltexts::LostItemB)));
    }
    if (const Int16 item = dungeon.RoomItem[StartRoom]; item != ItemNone) {
        notes.push_back(Note(std::string(tooltexts::StartItemA) +
                             std::string(tooltexts::ItemNames[static_cast<std::size_t>(item)]) +
                             std::string(tooltexts::StartItemB)));
    }
    if (finals.empty()) {
        notes.push_back(Note(std::string(tooltexts::NoFinal)));
    } else if (finals.size() > 1) {
        notes.push_back(Note(
            std::string(tooltexts::ManyFinalA) + Decimal(static_cast<long long>(finals.size())) +
            std::string(tooltexts::ManyFinalB) + List(finals, tooltexts::ListRoomB) +
            std::string(tooltexts::ManyFinalC)));
    }
    return notes;
}
