#include "dungeon/DungeonFile.h"

#include "core/Texts.h"

#include <cerrno>
#include <iterator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::array<texts::Text, 4> kSideWords = {texts::North, texts::East, texts::South,
                                                   texts::West};

Int16 ReadInt16(std::span<const unsigned char> bytes, std::size_t offset)
{
    const auto value = static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
    return static_cast<Int16>(value);
}

}  // namespace

std::vector<std::string> DungeonProblems(const Dungeon& dungeon)
{
    std::vector<std::string> problems;
    for (int r = 0; r < RoomCount; ++r) {
        const Int16 shape = dungeon.RoomType[r];
        const Int16 item = dungeon.RoomItem[r];
        if (shape < 0 || shape > LastShape) {
            problems.push_back(texts::Fill(texts::DungeonBadShape, {Decimal(r), Decimal(shape)}));
        }
        if (item < 0 || item > LastItem) {
            problems.push_back(texts::Fill(texts::DungeonBadItem, {Decimal(r), Decimal(item)}));
        }
    }
    if (dungeon.RoomType[StartRoom] == 0) {
        problems.push_back(texts::Fill(texts::DungeonNoStart, {Decimal(StartRoom)}));
    }
    for (int r = 0; r < RoomCount; ++r) {
        const Int16 shape = dungeon.RoomType[r];
        for (Direction d : Directions) {
            if (!HasDoor(shape, d)) continue;
            const std::string room = Decimal(r);
            if (LeadsOffMap(r, d)) {
                problems.push_back(texts::Fill(texts::DungeonDoorOffMap, {room, kSideWords[d]}));
                continue;
            }
            const int next = NeighbourOf(r, d);
            if (dungeon.RoomType[next] == 0) {
                problems.push_back(
                    texts::Fill(texts::DungeonDoorEmpty, {room, kSideWords[d], Decimal(next)}));
            }
        }
    }
    return problems;
}

std::string DungeonMissingText(std::string_view name)
{
    return texts::Fill(texts::DungeonMissing, {name});
}

DungeonRead ParseDungeon(std::span<const unsigned char> bytes)
{
    return ParseDungeon(bytes, texts::DefaultDungeon);
}

DungeonRead ParseDungeon(std::span<const unsigned char> bytes, std::string_view name)
{
    DungeonRead read;
    if (bytes.size() < DungeonFileSize) {
        read.problems.push_back(texts::Fill(texts::DungeonShort, {name, Decimal(bytes.size())}));
        return read;
    }
    Dungeon dungeon;
    for (int r = 0; r < RoomCount; ++r) {
        dungeon.RoomType[r] = ReadInt16(bytes, 2 * r);
        dungeon.RoomItem[r] = ReadInt16(bytes, 2 * (RoomCount + r));
    }
    read.problems = DungeonProblems(dungeon);
    if (read.problems.empty()) read.dungeon = dungeon;
    return read;
}

DungeonRead ReadDungeonFile(const std::filesystem::path& path)
{
    const std::string name = path.string();
    auto cannotOpen = [&name] {
        DungeonRead read;
        read.problems.push_back(DungeonMissingText(name));
        return read;
    };
    // Opened without waiting: a named pipe nobody writes to would otherwise
    // hold the game before its first window.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return cannotOpen();
    struct stat info { };
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        ::close(fd);
        return cannotOpen();
    }
    // Reads block again, so a pipe that is being written is read whole; only
    // the first 320 bytes count, so a huge or endless file cannot stall us.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    std::vector<unsigned char> bytes(DungeonFileSize);
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            return cannotOpen();
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    bytes.resize(got);
    return ParseDungeon(bytes, name);
}

std::string DungeonMessage(const std::vector<std::string>& problems)
{
    constexpr std::size_t shown = 6;
    std::string message;
    for (std::size_t i = 0; i < problems.size() && i < shown; ++i) {
        if (i > 0) message += "\r\n";
        message += problems[i];
    }
    if (problems.size() > shown) message += "\r\n" + std::string(texts::DungeonMore);
    return message + std::string(texts::DungeonEnd);
}

std::vector<unsigned char> EncodeDungeon(const Dungeon& dungeon)
{
    std::vector<unsigned char> bytes;
    bytes.reserve(DungeonFileSize);
    auto put = [&bytes](Int16 v) {
        const auto u = static_cast<std::uint16_t>(v);
        bytes.push_back(static_cast<unsigned char>(u & 0xFF));
        bytes.push_back(static_cast<unsigned char>(u >> 8));
    };
    for (Int16 v : dungeon.RoomType) put(v);
    for (Int16 v : dungeon.RoomItem) put(v);
    return bytes;
}
