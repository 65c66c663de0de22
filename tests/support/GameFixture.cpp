#include "support/GameFixture.h"

#include <fstream>
#include <random>
#include <stdexcept>

namespace testing_support {

const PngPictures& ShippedPictures()
{
    static const PngPictures pictures = [] {
        PngPictures p;
        std::string missing;
        if (!p.Load(AssetsFolder() / "pictures", &missing)) {
            throw std::runtime_error("cannot load " + missing);
        }
        return p;
    }();
    return pictures;
}

ui::PictureCache& ShippedPictureCache()
{
    static ui::PictureCache cache(&ShippedPictures());
    return cache;
}

GameTest::GameTest()
{
    windows.texts = GameSystemTexts();
    previous_ = std::filesystem::current_path();
    std::random_device device;
    folder_ = std::filesystem::temp_directory_path() /
        ("gorvak-test-" + std::to_string(device()) + std::to_string(device()));
    std::filesystem::create_directories(folder_);
    std::filesystem::current_path(folder_);
}

GameTest::~GameTest()
{
    game.reset();
    std::filesystem::current_path(previous_);
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

void GameTest::WriteDungeonBytes(const std::vector<unsigned char>& bytes)
{
    std::ofstream out(folder_ / "Dungeon.gvk", std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

void GameTest::WriteDungeon(const Dungeon& dungeon) { WriteDungeonBytes(EncodeDungeon(dungeon)); }

void GameTest::Start(const Dungeon& dungeon)
{
    WriteDungeon(dungeon);
    game = std::make_unique<frmGorvak>(Services{windows, clock, random, sounds});
    game->DungeonFile = "Dungeon.gvk";
    game->InitObjects();
    game->InitGame();
    game->form().ShowModeless(nullptr);
}

void GameTest::Load(const Dungeon& dungeon, const std::function<void(frmGorvak&)>& before)
{
    WriteDungeon(dungeon);
    game = std::make_unique<frmGorvak>(Services{windows, clock, random, sounds});
    if (before) before(*game);
    windows.Deliver([this] { game->Form_Load(); });
}

ui::FakeForm& GameTest::Main() const { return Window("frmGorvak"); }

ui::FakeForm& GameTest::Window(std::string_view name) const
{
    ui::FakeForm* form = windows.Find(name);
    if (form == nullptr) throw std::logic_error("no window " + std::string(name));
    return *form;
}

void GameTest::ClickRoom(int room)
{
    const grid::Point centre = grid::CellCentre(room);
    Main().MouseDown(static_cast<float>(centre.x), static_cast<float>(centre.y));
}

void GameTest::PutPlayerIn(int room)
{
    Stats().CurrentRoom = static_cast<Int16>(room);
    game->DrawRoom();
    game->DrawRoomMarker();
}

ui::Color GameTest::MapPixel(int x, int y) const { return Main().fakeSurface().Point(x, y); }

std::vector<std::string> GameTest::PrintedOn(std::string_view window) const
{
    std::vector<std::string> lines;
    for (const auto& p : Window(window).fakeSurface().printed) lines.push_back(p.text);
    return lines;
}

}  // namespace testing_support
