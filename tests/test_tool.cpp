// gorvak-dungeon, the real executable, on dungeon files and texts written
// into a fresh folder: what it accepts and refuses, its notes, the files it
// writes and the map it draws.
#include "support/GameFixture.h"

#include "core/Texts.h"
#include "tools/ToolTexts.h"

#include <QImage>
#include <QProcess>

#include <fstream>
#include <random>

#include <sys/stat.h>

using testing_support::AssetsFolder;
using testing_support::FromText;
using testing_support::OpenDungeon;

namespace fs = std::filesystem;

namespace {

struct Outcome {
    int code = -1;
    std::string out;
    std::string err;

    bool Says(std::string_view words) const { return out.find(words) != std::string::npos; }
    int Notes() const
    {
        int n = 0;
        for (std::size_t at = out.find(tooltexts::NotePrefix); at != std::string::npos;
             at = out.find(tooltexts::NotePrefix, at + 1)) {
            ++n;
        }
        return n;
    }
};

std::vector<unsigned char> ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A dungeon that needs no notes: the open grid with one final monster.
Dungeon Quiet()
{
    Dungeon d = OpenDungeon();
    d.RoomItem[18] = ItemGorvak;
    return d;
}

class Tool : public ::testing::Test {
protected:
    Tool()
    {
        std::random_device device;
        folder_ = fs::temp_directory_path() /
            ("gorvak-tool-" + std::to_string(device()) + std::to_string(device()));
        fs::create_directories(folder_);
    }
    ~Tool() override
    {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    fs::path In(const std::string& name) const { return folder_ / name; }

    fs::path Write(const std::string& name, const std::vector<unsigned char>& bytes) const
    {
        std::ofstream out(In(name), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        return In(name);
    }
    fs::path Write(const std::string& name, const Dungeon& d) const
    {
        return Write(name, EncodeDungeon(d));
    }
    fs::path WriteText(const std::string& name, std::string_view text) const
    {
        std::ofstream(In(name), std::ios::binary) << text;
        return In(name);
    }

    // In the texts as written, whatever the machine's language, unless one
    // is named.
    static Outcome Call(const QStringList& arguments, const QString& language = QString())
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LANGUAGE"), language);
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(GORVAK_TOOL_PATH), arguments);
        Outcome run;
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
            return run;
        run.code = process.exitCode();
        run.out = process.readAllStandardOutput().toStdString();
        run.err = process.readAllStandardError().toStdString();
        return run;
    }
    static Outcome Do(std::initializer_list<std::string> arguments)
    {
        QStringList list;
        for (const std::string& a : arguments) list << QString::fromStdString(a);
        return Call(list);
    }
    static Outcome Check(const fs::path& file) { return Do({"check", file.string()}); }

private:
    fs::path folder_;
};

// ---- check ---------------------------------------------------------------

TEST_F(Tool, CheckAcceptsTheShippedDungeonWithNothingToSay)
{
    const Outcome run = Check(AssetsFolder() / "Dungeon.gvk");
    EXPECT_EQ(run.code, 0) << run.out << run.err;
    EXPECT_EQ(run.out, std::string(tooltexts::Accepted) + "\n");
    // The desktop's language reaches the tool.
    const Outcome english =
        Call({QStringLiteral("check"),
              QString::fromStdString((AssetsFolder() / "Dungeon.gvk").string())},
             QStringLiteral("en_GB"));
    EXPECT_EQ(english.code, 0);
    EXPECT_NE(english.out, run.out);
    EXPECT_TRUE(std::all_of(english.out.begin(), english.out.end(), [](char c) { return c > 0; }))
        << english.out;
}

TEST_F(Tool, CheckRefusesWhatTheGameRefusesAndNamesTheRoom)
{
    Dungeon badShape = Quiet();
    badShape.RoomType[12] = 16;
    Dungeon badItem = Quiet();
    badItem.RoomItem[33] = 9;
    Dungeon offMap = Quiet();
    offMap.RoomType[9] = ShapeOf(false, true, true, true);  // top-right corner, east door
    Dungeon noStart = Quiet();
    noStart.RoomType[StartRoom] = 0;
    std::vector<unsigned char> shortFile = EncodeDungeon(Quiet());
    shortFile.resize(100);

    const struct {
        std::string name;
        std::vector<unsigned char> bytes;
        std::string expected;
    } cases[] = {
        {"short", shortFile, texts::Fill(texts::DungeonShort, {In("short.gvk").string(), "100"})},
        {"empty", {}, texts::Fill(texts::DungeonShort, {In("empty.gvk").string(), "0"})},
        {"shape", EncodeDungeon(badShape), texts::Fill(texts::DungeonBadShape, {"12", "16"})},
        {"item", EncodeDungeon(badItem), texts::Fill(texts::DungeonBadItem, {"33", "9"})},
        {"offmap", EncodeDungeon(offMap),
         texts::Fill(texts::DungeonDoorOffMap, {"9", texts::East})},
        {"nostart", EncodeDungeon(noStart), texts::Fill(texts::DungeonNoStart, {"45"})},
        // The rooms around an empty start room now have doors into nothing.
        {"nostart-door", EncodeDungeon(noStart),
         texts::Fill(texts::DungeonDoorEmpty, {"44", texts::East, "45"})},
    };
    for (const auto& c : cases) {
        const Outcome run = Check(Write(c.name + ".gvk", c.bytes));
        EXPECT_EQ(run.code, 1) << c.name << "\n" << run.out;
        EXPECT_TRUE(run.Says(c.expected + "\n")) << c.name << "\n" << run.out;
        EXPECT_TRUE(run.Says(tooltexts::Refused)) << c.name;
        EXPECT_EQ(run.Notes(), 0) << c.name << ": no advice on a refused file\n" << run.out;
    }
}

TEST_F(Tool, CheckOnlyAdvisesOnOneWayDoors)
{
    Dungeon d = Quiet();
    d.RoomType[StartRoom] = ShapeOf(true, false, true, true);  // no door east, 46 has one west
    const Outcome run = Check(Write("oneway.gvk", d));
    EXPECT_EQ(run.code, 0) << run.out;
    EXPECT_EQ(run.Notes(), 1) << run.out;
    EXPECT_TRUE(run.Says(std::string(tooltexts::NotePrefix) +
                         texts::Fill(tooltexts::OneWay, {"46", texts::West, "45"})))
        << run.out;
    EXPECT_TRUE(run.Says(tooltexts::Accepted));
}

TEST_F(Tool, CheckListsRoomsThatCannotBeWalkedTo)
{
    // Rooms 0 and 1 lead out through one-way doors only: nothing leads in.
    Dungeon d = Quiet();
    d.RoomType[1] = ShapeOf(false, false, true, true);  // 1: S W, none east to 2
    d.RoomType[2] = ShapeOf(false, true, true, false);  // 2: no west
    d.RoomType[10] = ShapeOf(false, true, true, false);  // 10: no north
    d.RoomType[11] = ShapeOf(false, true, true, true);  // 11: no north
    // 79 is entered through 78's one-way door and is not cut off.
    d.RoomType[79] = ShapeOf(true, false, false, false);
    Outcome run = Check(Write("cut.gvk", d));
    EXPECT_EQ(run.code, 0) << run.out;
    EXPECT_TRUE(run.Says(texts::Fill(tooltexts::UnreachableCharm, {"0、1"}) + "\n")) << run.out;
    EXPECT_EQ(run.Notes(), 4) << "one-way doors 0 to 10, 1 to 11 and 78 to 79, one list\n"
                              << run.out;

    // A teleporter found anywhere is a second way in.
    d.RoomItem[70] = ItemTeleport;
    run = Check(Write("cut-teleport.gvk", d));
    EXPECT_TRUE(run.Says(texts::Fill(tooltexts::UnreachableTeleport, {"0、1"}) + "\n")) << run.out;
}

TEST_F(Tool, CheckAdvisesOnEmptyPlacesAndItemsNoShuffleMoves)
{
    Dungeon d = Quiet();
    d.RoomType[0] = 0;
    d.RoomType[1] = ShapeOf(false, true, true, false);
    d.RoomType[10] = ShapeOf(false, true, true, false);
    d.RoomItem[0] = ItemGold;
    d.RoomItem[StartRoom] = ItemSerum;
    const Outcome run = Check(Write("places.gvk", d));
    EXPECT_EQ(run.code, 0) << run.out;
    EXPECT_TRUE(run.Says(texts::Fill(tooltexts::EmptyPlaces, {"0"}) + "\n")) << run.out;
    EXPECT_TRUE(run.Says(texts::Fill(tooltexts::LostItem, {"0", tooltexts::ItemNames[ItemGold]})))
        << run.out;
    EXPECT_TRUE(run.Says(texts::Fill(tooltexts::StartItem, {tooltexts::ItemNames[ItemSerum]})))
        << run.out;
    EXPECT_EQ(run.Notes(), 3) << run.out;
}

TEST_F(Tool, CheckCountsTheFinalMonsters)
{
    Dungeon none = Quiet();
    none.RoomItem[18] = ItemNone;
    Outcome run = Check(Write("none.gvk", none));
    EXPECT_EQ(run.code, 0);
    EXPECT_TRUE(run.Says(tooltexts::NoFinal)) << run.out;
    EXPECT_EQ(run.Notes(), 1) << run.out;

    Dungeon two = Quiet();
    two.RoomItem[60] = ItemGorvak;
    run = Check(Write("two.gvk", two));
    EXPECT_EQ(run.code, 0);
    EXPECT_TRUE(run.Says(texts::Fill(tooltexts::ManyFinal, {"2", "18、60"}))) << run.out;
    EXPECT_EQ(run.Notes(), 1) << run.out;
}

TEST_F(Tool, BadArgumentsAndUnreadableFilesGiveUsage)
{
    const fs::path good = Write("good.gvk", Quiet());
    const fs::path pipe = In("pipe.gvk");  // a thumbnailer must not wait for its writer
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const std::vector<std::vector<std::string>> calls = {
        {},
        {"check"},
        {"check", good.string(), "extra"},
        {"verify", good.string()},
        {"render", good.string()},
        {"build", good.string()},
        {"check", In("missing.gvk").string()},
        {"check", In("").string()},  // a folder
        {"render", In("missing.gvk").string(), In("x.png").string()},
        {"render", "--size", "64", pipe.string(), In("x.png").string()},
        {"build", In("missing.txt").string(), In("x.gvk").string()},
    };
    for (const auto& call : calls) {
        QStringList arguments;
        for (const std::string& a : call) arguments << QString::fromStdString(a);
        const Outcome run = Call(arguments);
        const std::string shown = arguments.join(' ').toStdString();
        EXPECT_EQ(run.code, 2) << shown;
        EXPECT_NE(run.err.find("usage: gorvak-dungeon"), std::string::npos) << shown;
        EXPECT_EQ(run.out, "") << shown;
    }
    EXPECT_FALSE(fs::exists(In("x.png")));
    EXPECT_FALSE(fs::exists(In("x.gvk")));
}

// ---- build ---------------------------------------------------------------

TEST_F(Tool, BuildOfTheShippedTextGivesTheShippedFile)
{
    const Outcome run =
        Do({"build", (AssetsFolder() / "dungeon.txt").string(), In("made.gvk").string()});
    EXPECT_EQ(run.code, 0) << run.out << run.err;
    EXPECT_EQ(ReadBytes(In("made.gvk")), ReadBytes(AssetsFolder() / "Dungeon.gvk"));
}

TEST_F(Tool, BuildRefusesBrokenDescriptionsAndWritesNothing)
{
    std::string rows;
    for (int r = 0; r < Rows; ++r) {
        rows += r == 4 ? "ES:. ESW:. ESW:. ESW:. ESW:. NEW:. EW:. EW:. ESW:. SW:.\n"
                       : "ES:. ESW:. ESW:. ESW:. ESW:. ESW:. ESW:. ESW:. ESW:. SW:.\n";
    }
    const std::string sevenRows = rows.substr(rows.find('\n') + 1);
    std::string badItem = rows;
    badItem.replace(badItem.find(" SW:.") + 1, 4, "SW:x");
    const struct {
        std::string name;
        std::string text;
        std::string expected;
    } cases[] = {
        {"rows", sevenRows, "a dungeon has 8 rows, this one 7"},
        {"item", badItem, "line 1: cell 10 \"SW:x\": the item is one of"},
        // Row 7 (the last) has doors south, off the map.
        {"offmap", rows, texts::Fill(texts::DungeonDoorOffMap, {"70", texts::South})},
    };
    const std::vector<unsigned char> before = {1, 2, 3};
    for (const auto& c : cases) {
        const fs::path text = WriteText(c.name + ".txt", c.text);
        const Outcome fresh = Do({"build", text.string(), In(c.name + ".gvk").string()});
        EXPECT_EQ(fresh.code, 1) << c.name << "\n" << fresh.out;
        EXPECT_TRUE(fresh.Says(c.expected)) << c.name << "\n" << fresh.out;
        EXPECT_FALSE(fs::exists(In(c.name + ".gvk"))) << c.name;

        const fs::path old = Write(c.name + "-old.gvk", before);
        EXPECT_EQ(Do({"build", text.string(), old.string()}).code, 1) << c.name;
        EXPECT_EQ(ReadBytes(old), before) << c.name << ": an existing file is left as it was";
    }
}

TEST_F(Tool, BuildWritesADungeonThatOnlyHasNotes)
{
    const std::string text = "# one-way: 46 opens west, 45 has no door east\n"
                             "ES:. ESW:. ESW:. ESW:. ESW:. ESW:. ESW:. ESW:. ESW:z SW:.\n"
                             "NES:. NESW:. NESW:. NESW:. NESW:. NESW:. NESW:. NESW:. NESW:. NSW:.\n"
                             "NES:. NESW:. NESW:. NESW:. NESW:. NESW:. NESW:. NESW:. NESW:. NSW:.\n"
                             "NES:. NESW:. NESW:. NESW:. NESW:. NESW:. NESW:. NESW:. NESW:. NSW:.\n"
                             "NES:. NESW:. NESW:. NESW:. NESW:. NSW:. NESW:. NESW:. NESW:. NSW:.\n"
                             "NES:. NESW:. NESW:. NESW:. NESW:. NESW:. NESW:. NESW:. NESW:. NSW:.\n"
                             "NES:. NESW:. NESW:. NESW:. NESW:. NESW:. NESW:. NESW:. NESW:. NSW:.\n"
                             "NE:. NEW:. NEW:. NEW:. NEW:. NEW:. NEW:. NEW:. NEW:. NW:.\n";
    const Outcome run =
        Do({"build", WriteText("oneway.txt", text).string(), In("oneway.gvk").string()});
    EXPECT_EQ(run.code, 0) << run.out << run.err;
    EXPECT_EQ(run.Notes(), 1) << run.out;
    EXPECT_TRUE(run.Says(texts::Fill(tooltexts::OneWay, {"46", texts::West, "45"}))) << run.out;
    EXPECT_EQ(ReadBytes(In("oneway.gvk")), EncodeDungeon(FromText(text)));
    EXPECT_EQ(Check(In("oneway.gvk")).code, 0);
}

TEST_F(Tool, BuildReportsAnOutputThatCannotBeWritten)
{
    const Outcome run = Do({"build", (AssetsFolder() / "dungeon.txt").string(),
                            In("no-such-folder/made.gvk").string()});
    EXPECT_EQ(run.code, 2);
    EXPECT_NE(run.err.find("cannot write"), std::string::npos) << run.err;
}

// ---- render --------------------------------------------------------------

class ToolRender : public Tool {
protected:
    static QImage Picture(const std::string& file)
    {
        return QImage(QString::fromStdString((AssetsFolder() / "pictures" / file).string()))
            .convertToFormat(QImage::Format_RGB32);
    }
    static QPoint Cell(int room) { return {(room % 10) * 44 + 106, (room / 10) * 44 + 50}; }

    // Whether the rendered map shows `picture` in the given part of it,
    // placed with its top-left at `at`.
    static ::testing::AssertionResult Shows(const QImage& map, const QImage& picture, QPoint at,
                                            QRect part)
    {
        for (int y = part.top(); y <= part.bottom(); ++y) {
            for (int x = part.left(); x <= part.right(); ++x) {
                if (map.pixel(at.x() + x, at.y() + y) != picture.pixel(x, y)) {
                    return ::testing::AssertionFailure() << "differs at (" << x << ", " << y << ")";
                }
            }
        }
        return ::testing::AssertionSuccess();
    }
};

// Rooms 0-1 (east-west) and 43-53 (north-south) are pairs, 20 opens east
// into 21 which has no door back, 45 and 46 are a pair with gold in 46;
// everything else is empty.
constexpr std::string_view kSmall = "E:.  W:.  .:.  .:.  .:.  .:.  .:.  .:.  .:.  .:.\n"
                                    ".:.  .:.  .:.  .:.  .:.  .:.  .:.  .:.  .:.  .:.\n"
                                    "E:.  S:.  .:.  .:.  .:.  .:.  .:.  .:.  .:.  .:.\n"
                                    ".:.  N:.  .:.  .:.  .:.  .:.  .:.  .:.  .:.  .:.\n"
                                    ".:.  .:.  .:.  S:.  .:.  E:.  W:g  .:.  .:.  .:.\n"
                                    ".:.  .:.  .:.  N:.  .:.  .:.  .:.  .:.  .:.  .:.\n"
                                    ".:.  .:.  .:.  .:.  .:.  .:.  .:.  .:.  .:.  .:.\n"
                                    ".:.  .:.  .:.  .:.  .:.  .:.  .:.  .:.  .:.  .:.\n";

TEST_F(ToolRender, DrawsTilesHallwaysItemsAndTheStart)
{
    const fs::path file = Write("small.gvk", FromText(kSmall));
    const Outcome run = Do({"render", file.string(), In("small.png").string()});
    ASSERT_EQ(run.code, 0) << run.out << run.err;
    const QImage map = QImage(QString::fromStdString(In("small.png").string()))
                           .convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(map.size(), QSize(640, 480));
    const QImage background = Picture("Gorvak.png");

    // Each tile up to where a hallway lies over it: shape code - 1.
    EXPECT_TRUE(Shows(map, Picture("Room01.png"), Cell(0), QRect(0, 0, 25, 32))) << "room 0, east";
    EXPECT_TRUE(Shows(map, Picture("Room03.png"), Cell(1), QRect(7, 0, 25, 32))) << "room 1, west";
    EXPECT_TRUE(Shows(map, Picture("Room02.png"), Cell(43), QRect(0, 0, 32, 25)))
        << "room 43, south";
    EXPECT_TRUE(Shows(map, Picture("Room00.png"), Cell(53), QRect(0, 7, 32, 25)))
        << "room 53, north";

    // Hallways over both rooms of every door, a one-way door too; the game
    // reads them as doors at both rooms' test points.
    const QImage across = Picture("Hall1.png");
    const QImage down = Picture("Hall0.png");
    EXPECT_TRUE(Shows(map, across, Cell(0) + QPoint(25, 0), across.rect()));
    EXPECT_TRUE(Shows(map, across, Cell(20) + QPoint(25, 0), across.rect())) << "one-way 20 to 21";
    EXPECT_TRUE(Shows(map, down, Cell(43) + QPoint(0, 25), down.rect()));
    EXPECT_TRUE(Shows(map, down, Cell(21) + QPoint(0, 25), down.rect()));
    const QRgb white = qRgb(255, 255, 255);
    EXPECT_NE(map.pixel(Cell(20) + QPoint(26, 12)), white) << "20's east door";
    EXPECT_NE(map.pixel(Cell(21) + QPoint(1, 12)), white) << "21's west side, walked once";
    EXPECT_NE(map.pixel(Cell(53) + QPoint(12, 1)), white) << "53's north door";

    // No hallway where there is no door, and empty places stay as drawn in
    // the background.
    EXPECT_TRUE(Shows(map, background, {0, 0}, QRect(Cell(1) + QPoint(32, 0), QSize(12, 32))))
        << "1 to 2";
    EXPECT_TRUE(Shows(map, background, {0, 0}, QRect(Cell(53) + QPoint(0, 32), QSize(32, 12))))
        << "53 to 63";
    EXPECT_TRUE(Shows(map, background, {0, 0}, QRect(Cell(77), QSize(32, 32)))) << "place 77";

    // An item is marked in its room's body; a room without one shows the
    // bare tile there.
    const QImage tile = Picture("Room03.png");
    EXPECT_FALSE(Shows(map, tile, Cell(46), QRect(8, 8, 16, 16))) << "gold in 46";
    EXPECT_TRUE(Shows(map, tile, Cell(46), QRect(0, 0, 32, 7))) << "46 outside its marker";

    // The yellow ring around the start room and nowhere else on the map.
    const QRgb yellow = qRgb(255, 255, 0);
    auto ringAround = [&map, yellow](int room) {
        int found = 0;
        for (int x = -4; x < 38; ++x) found += map.pixel(Cell(room) + QPoint(x, -4)) == yellow;
        return found;
    };
    EXPECT_GT(ringAround(StartRoom), 0);
    EXPECT_EQ(ringAround(46), 0);
}

TEST_F(ToolRender, AThumbnailIsTheMapAloneScaledByWholePixels)
{
    const fs::path file = Write("small.gvk", FromText(kSmall));
    Do({"render", file.string(), In("map.png").string()});
    Do({"render", "--size", "880", file.string(), In("thumb.png").string()});
    const QImage map(QString::fromStdString(In("map.png").string()));
    EXPECT_EQ(QImage(QString::fromStdString(In("thumb.png").string())),
              map.copy(100, 44, 440, 352).scaled(880, 704));
}

TEST_F(ToolRender, RefusedDungeonDrawsNothing)
{
    Dungeon d = Quiet();
    d.RoomType[9] = ShapeOf(false, true, true, true);
    const Outcome run = Do({"render", Write("bad.gvk", d).string(), In("bad.png").string()});
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.Says(texts::Fill(texts::DungeonDoorOffMap, {"9", texts::East}))) << run.out;
    EXPECT_FALSE(fs::exists(In("bad.png")));
}

}  // namespace
