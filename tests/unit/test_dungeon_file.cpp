// The dungeon file and its text form: reading "Dungeon.gvk", refusing a file
// the game could not play soundly and saying why, the shipped dungeon.
#include "core/Texts.h"
#include "dungeon/DungeonFile.h"
#include "support/Boards.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include <sys/stat.h>

using testing_support::FromText;
using testing_support::OpenDungeon;

namespace {

std::vector<unsigned char> ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool Mentions(const std::vector<std::string>& problems, std::string_view words)
{
    for (const std::string& p : problems) {
        if (p.find(words) != std::string::npos) return true;
    }
    return false;
}

TEST(DungeonFile, DecodesLittleEndianShapesThenItems)
{
    Dungeon d = OpenDungeon();
    d.RoomItem[18] = ItemGorvak;
    d.RoomItem[3] = ItemThief;
    const std::vector<unsigned char> bytes = EncodeDungeon(d);
    ASSERT_EQ(bytes.size(), DungeonFileSize);
    EXPECT_EQ(bytes[0], 8);  // room 0: east and south doors
    EXPECT_EQ(bytes[1], 0);
    EXPECT_EQ(bytes[160 + 2 * 18], 7);
    const DungeonRead read = ParseDungeon(bytes);
    ASSERT_TRUE(read.dungeon) << read.problems.front();
    EXPECT_EQ(read.dungeon->RoomType, d.RoomType);
    EXPECT_EQ(read.dungeon->RoomItem, d.RoomItem);
}

TEST(DungeonFile, BytesAfterThe320thAreIgnored)
{
    std::vector<unsigned char> bytes = EncodeDungeon(OpenDungeon());
    bytes.resize(400, 0xFF);
    EXPECT_TRUE(ParseDungeon(bytes).dungeon);
}

TEST(DungeonFile, RefusesShortFilesSayingHowShort)
{
    std::vector<unsigned char> bytes = EncodeDungeon(OpenDungeon());
    bytes.resize(319);
    DungeonRead read = ParseDungeon(bytes);
    EXPECT_FALSE(read.dungeon);
    ASSERT_EQ(read.problems.size(), 1U);
    EXPECT_NE(read.problems[0].find("319"), std::string::npos);
    EXPECT_FALSE(ParseDungeon({}).dungeon);
}

TEST(DungeonFile, AFileItCannotOpenIsNamedAsThePlayerGaveIt)
{
    for (const char* name : {"no such folder/mine.gvk", "/"}) {
        EXPECT_EQ(ReadDungeonFile(name).problems,
                  std::vector<std::string>{DungeonMissingText(name)});
    }
    EXPECT_EQ(DungeonMissingText(texts::DefaultDungeon), "無法開啟地下城檔案「Dungeon.gvk」！");
    // A named pipe nobody writes to reads as empty instead of hanging.
    const std::string fifo = ::testing::TempDir() + "dungeon-fifo";
    std::remove(fifo.c_str());
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(ReadDungeonFile(fifo).dungeon);
    std::remove(fifo.c_str());
}

TEST(DungeonFile, RefusesCodesOutOfRangeNamingTheRoom)
{
    Dungeon d = OpenDungeon();
    d.RoomType[12] = 16;
    d.RoomType[13] = -1;
    d.RoomItem[70] = 8;
    d.RoomItem[71] = -3;
    const auto problems = DungeonProblems(d);
    EXPECT_TRUE(Mentions(problems, "第 12 號房間的形狀編號 16"));
    EXPECT_TRUE(Mentions(problems, "第 13 號房間的形狀編號 -1"));
    EXPECT_TRUE(Mentions(problems, "第 70 號房間的物品編號 8"));
    EXPECT_TRUE(Mentions(problems, "第 71 號房間的物品編號 -3"));
}

TEST(DungeonFile, RefusesAnEmptyStartRoom)
{
    Dungeon d = OpenDungeon();
    d.RoomType[45] = 0;
    for (int n : {35, 44, 46, 55}) d.RoomType[n] = 0;  // keep the doors sound
    const auto problems = DungeonProblems(d);
    EXPECT_TRUE(Mentions(problems, "第 45 號房間是起點"));
}

TEST(DungeonFile, RefusesDoorsOffTheMapOnEverySide)
{
    Dungeon d = OpenDungeon();
    d.RoomType[3] = 15;  // north in row 0
    d.RoomType[73] = 15;  // south in row 7
    d.RoomType[29] = 15;  // east in column 9: would lead round to room 30
    d.RoomType[40] = 15;  // west in column 0: would lead round to room 39
    const auto problems = DungeonProblems(d);
    EXPECT_TRUE(Mentions(problems, "第 3 號房間的北面有門通往地圖以外"));
    EXPECT_TRUE(Mentions(problems, "第 73 號房間的南面有門通往地圖以外"));
    EXPECT_TRUE(Mentions(problems, "第 29 號房間的東面有門通往地圖以外"));
    EXPECT_TRUE(Mentions(problems, "第 40 號房間的西面有門通往地圖以外"));
    EXPECT_EQ(problems.size(), 4U);
}

TEST(DungeonFile, RefusesDoorsIntoEmptyPlaces)
{
    Dungeon d = OpenDungeon();
    d.RoomType[22] = 0;
    const auto problems = DungeonProblems(d);
    EXPECT_TRUE(Mentions(problems, "第 12 號房間的南面有門通往沒有房間的第 22 號位置"));
    EXPECT_TRUE(Mentions(problems, "第 21 號房間的東面有門通往沒有房間的第 22 號位置"));
    EXPECT_EQ(problems.size(), 4U);
}

TEST(DungeonFile, AllowsOneWayDoorsAndAnyNumberOfMonsters)
{
    Dungeon d = OpenDungeon();
    d.RoomType[10] = ShapeOf(true, true, true, false);  // 11 loses its west door's partner
    d.RoomItem[5] = ItemGorvak;
    d.RoomItem[6] = ItemGorvak;
    EXPECT_TRUE(DungeonProblems(d).empty());
    d.RoomItem[5] = d.RoomItem[6] = ItemNone;
    EXPECT_TRUE(DungeonProblems(d).empty());
}

TEST(DungeonFile, TheMessageListsTheFirstProblemsAndSaysTheGameCannotStart)
{
    std::vector<std::string> many(9, "x");
    const std::string message = DungeonMessage(many);
    EXPECT_EQ(message, "x\r\nx\r\nx\r\nx\r\nx\r\nx\r\n……" + std::string(texts::DungeonEnd));
    EXPECT_EQ(DungeonMessage({"a"}), "a" + std::string(texts::DungeonEnd));
}

TEST(DungeonFile, TheShippedDungeonKeepsEveryRule)
{
    const std::vector<unsigned char> bytes =
        ReadFile(testing_support::AssetsFolder() / "Dungeon.gvk");
    ASSERT_EQ(bytes.size(), DungeonFileSize);
    const DungeonRead read = ParseDungeon(bytes);
    ASSERT_TRUE(read.dungeon) << DungeonMessage(read.problems);
    const Dungeon& d = *read.dungeon;
    int monsters = 0;
    std::array<int, 8> items{};
    for (int r = 0; r < RoomCount; ++r) {
        EXPECT_NE(d.RoomType[r], 0) << "every place holds a room, so no charm lands on nothing";
        ++items[static_cast<std::size_t>(d.RoomItem[r])];
        monsters += d.RoomItem[r] == ItemGorvak ? 1 : 0;
        for (Direction dir : Directions) {
            if (!HasDoor(d.RoomType[r], dir)) continue;
            const int next = NeighbourOf(r, dir);
            const auto back = static_cast<Direction>((dir + 2) % 4);
            EXPECT_TRUE(HasDoor(d.RoomType[next], back)) << "one-way door from " << r;
        }
    }
    EXPECT_EQ(monsters, 1);
    EXPECT_EQ(d.RoomItem[StartRoom], ItemNone);
    for (Int16 item : {ItemSerum, ItemSpell, ItemGold, ItemSkeleton, ItemThief, ItemTeleport}) {
        EXPECT_GT(items[static_cast<std::size_t>(item)], 0) << "item " << item;
    }
    // Every room can be walked to from the start.
    std::array<bool, RoomCount> seen{};
    std::vector<int> todo{StartRoom};
    seen[StartRoom] = true;
    while (!todo.empty()) {
        const int r = todo.back();
        todo.pop_back();
        for (Direction dir : Directions) {
            if (!HasDoor(d.RoomType[r], dir)) continue;
            const int next = NeighbourOf(r, dir);
            if (!seen[next]) {
                seen[next] = true;
                todo.push_back(next);
            }
        }
    }
    for (int r = 0; r < RoomCount; ++r) EXPECT_TRUE(seen[r]) << "room " << r << " unreachable";
}

TEST(DungeonFile, TheShippedDungeonIsBuiltFromItsTextDescription)
{
    std::ifstream in(testing_support::AssetsFolder() / "dungeon.txt");
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const DungeonText parsed = ParseDungeonText(text);
    ASSERT_TRUE(parsed.dungeon) << parsed.error;
    EXPECT_EQ(EncodeDungeon(*parsed.dungeon),
              ReadFile(testing_support::AssetsFolder() / "Dungeon.gvk"));
}

TEST(DungeonText, SaysWhereADescriptionIsWrong)
{
    EXPECT_NE(ParseDungeonText("ES:. ES:.").error.find("10 cells"), std::string::npos);
    std::string rows;
    for (int i = 0; i < 8; ++i) rows += "NE:x NE:. NE:. NE:. NE:. NE:. NE:. NE:. NE:. NE:.\n";
    EXPECT_NE(ParseDungeonText(rows).error.find("item"), std::string::npos);
    EXPECT_NE(ParseDungeonText("# nothing\n").error.find("8 rows"), std::string::npos);
}

}  // namespace
