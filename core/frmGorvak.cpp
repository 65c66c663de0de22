#include "core/frmGorvak.h"

#include "combat/frmBattle.h"
#include "core/Texts.h"
#include "core/WindowLayout.h"
#include "core/frmHowToPlay.h"
#include "core/frmSettings.h"
#include "dungeon/Grid.h"
#include "exploration/frmDiscovery.h"
#include "exploration/frmStatus.h"
#include "town/frmHealth.h"
#include "town/frmMagic.h"
#include "town/frmShoppe.h"
#include "town/frmWeapons.h"
#include "ui/Clock.h"
#include "ui/Random.h"
#include "ui/WindowSystem.h"

#include <utility>

using ui::ControlKind;

namespace {

constexpr ui::Color LabelText = ui::RGB(236, 214, 160);

}  // namespace

frmGorvak::frmGorvak(Services services)
    : frmGorvak(services, std::string(texts::DefaultDungeon))
{
}

frmGorvak::frmGorvak(Services services, std::string dungeonFile)
    : services_(services),
      playedDungeon_(std::move(dungeonFile)),
      form_(services.windows.CreateForm(Layout(this))),
      status_(std::make_unique<frmStatus>(services.windows)),
      discovery_(std::make_unique<frmDiscovery>(services.windows)),
      battle_(std::make_unique<frmBattle>(services.windows, *form_, [this] { return Battling; })),
      settings_(std::make_unique<frmSettings>(services.windows, services.sounds, *form_)),
      howToPlay_(std::make_unique<frmHowToPlay>(services.windows, *form_))
{
    const Town shop{stats, GorvakRoom, services.windows, services.sounds, services.random};
    health_ = std::make_unique<frmHealth>(shop);
    magic_ = std::make_unique<frmMagic>(shop);
    weapons_ = std::make_unique<frmWeapons>(shop);
    shoppe_ = std::make_unique<frmShoppe>(services.windows, *form_, *health_, *magic_, *weapons_);
    stats.tell = [this](Module1::Notice notice) { Tell(notice); };
    form_->onMouseDown = [this](int button, float x, float y) { Form_MouseDown(button, x, y); };
    form_->onQueryUnload = [this] { return Form_QueryUnload(); };
    form_->onKeyDown = [this](ui::Key key) { Form_KeyDown(key); };
    services.windows.onCommand = [this](ui::Command command) { Form_Command(command); };
}

frmGorvak::~frmGorvak() { services_.windows.onCommand = nullptr; }

ui::FormLayout frmGorvak::Layout(frmGorvak* window)
{
    using ui::Handler;
    ui::FormLayout layout = WindowLayout(
        "frmGorvak", 640, 481, ui::Picture::Gorvak,
        {
            {cmdShop, ControlKind::Button, std::string(texts::cmdShop), 72, 416, 81, 33, ui::Black,
             Handler(window, &frmGorvak::cmdShop_Click)},
            {cmdSpell, ControlKind::Button, std::string(texts::cmdSpell), 168, 416, 81, 33,
             ui::Black, Handler(window, &frmGorvak::cmdSpell_Click)},
            {cmdStatus, ControlKind::Button, std::string(texts::cmdStatus), 264, 416, 129, 33,
             ui::Black, Handler(window, &frmGorvak::cmdStatus_Click)},
            {cmdQuit, ControlKind::Button, std::string(texts::cmdQuit), 456, 416, 81, 33, ui::Black,
             Handler(window, &frmGorvak::cmdQuit_Click)},
            {Label1, ControlKind::Label, std::string(texts::Label1), 264, 24, 169, 17, LabelText},
            // Not a control and not the map: the one place a click was
            // never the game's, and where a player looks for the program.
            {lblVersion, ControlKind::Label, std::string(texts::lblVersion), 536, 448, 123, 15,
             LabelText, Handler(window, &frmGorvak::lblVersion_Click),
             std::string(texts::SettingsTip)},
            {lblDisclaimer, ControlKind::Label, std::string(texts::lblDisclaimer), 8, 448, 249, 23,
             LabelText},
            {Label2, ControlKind::Label, std::string(texts::Label2), 272, 448, 257, 17, LabelText},
            {lblDescription, ControlKind::Label, std::string(texts::lblDescription), 0, 0, 253, 38,
             LabelText},
            {shpRoomMarker, ControlKind::Circle, "", 0, 0, 42, 40, grid::MarkerYellow},
        });
    layout.pixelExact = true;  // the door rules read the map back
    return layout;
}

void frmGorvak::Form_Load()
{
    DungeonFile = playedDungeon_;
    const sound::LoadResult loaded = services_.sounds.LoadSounds();
    if (loaded != sound::LoadResult::Loaded) {
        windows().MessageBox(loaded == sound::LoadResult::DeviceFailed ? texts::SoundInitFailed
                                                                       : texts::SoundFileMissing,
                             nullptr);
        windows().Quit(1);
        throw ui::ProgramEnding{};
    }
    InitObjects();
    InitGame();
    form_->ShowModeless(nullptr);
    ShuffleRooms();
    if (FirstStart) {
        // Saved before it shows: the card opens on the first start only,
        // however this one ends.
        SettingsWindow().Save();
        HowToPlayWindow().Show();
    }
}

void frmGorvak::InitObjects()
{
    // The picture stores are not controls here, so there is nothing to hide.
    form_->Load();
    form_->Move(TwipsToPixels(200), TwipsToPixels(200));
}

void frmGorvak::BlinkRoom(Int16 Room)
{
    const grid::Point centre = grid::CellCentre(Room);
    DrawCircle(static_cast<Int16>(centre.x), static_cast<Int16>(centre.y), ui::White);
    Delay(0.001);
    DrawCircle(static_cast<Int16>(centre.x), static_cast<Int16>(centre.y), grid::EmptyCellGrey);
}

void frmGorvak::ShuffleRooms()
{
    ToggleButtons(false);
    Shuffling = true;
    for (Int16 i = 0; i < RoomCount; ++i) {
        if (RoomType.at(i) == 0) continue;
        const Int16 j = AnyRoom(RoomType, [this] { return Rnd(); });
        if (ShuffleSwaps(i, j)) {
            BlinkRoom(i);
            BlinkRoom(j);
            std::swap(RoomItem.at(i), RoomItem.at(j));
        }
    }
    GorvakRoom = GetGorvakRoom();
    ToggleButtons(true);
    Shuffling = false;
}

void frmGorvak::Form_MouseDown(int /*Button*/, float X, float Y)
{
    if (Shuffling || Battling) return;
    if (stats.SpellMode) {
        SpellMove(X, Y);
    } else {
        MovePlayer(X, Y);
    }
}

void frmGorvak::Form_KeyDown(ui::Key key)
{
    // The keys are declared in the directions' order: up is north.
    const grid::Point step = grid::Step(static_cast<Direction>(key));
    const grid::Point centre = grid::CellCentre(stats.CurrentRoom);
    Form_MouseDown(1, static_cast<float>(centre.x + step.x), static_cast<float>(centre.y + step.y));
}

bool frmGorvak::Form_QueryUnload()
{
    cmdQuit_Click();
    return false;
}

void frmGorvak::cmdShop_Click()
{
    ui::Form& hub = ShoppeWindow().form();
    if (!hub.IsLoaded()) {
        hub.Load();
        ShoppeWindow().Form_Load();
    }
    hub.ShowModeless(&form());
}

void frmGorvak::PrintStat(Int16 X, Int16 Y, std::string_view Stat)
{
    ui::Surface& surface = StatusWindow().form().surface();
    surface.SetCurrentXY(X, Y);
    surface.Print(Stat);
}

void frmGorvak::cmdStatus_Click()
{
    ui::Form& window = StatusWindow().form();
    window.Load();
    const std::array<long long, 8> values = {
        stats.Health, stats.Attack,          stats.Pies,  stats.Gold, stats.Spells,
        stats.Serum,  stats.HasBrew ? 1 : 0, stats.Weapon};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const auto y = static_cast<Int16>(50 + 15 * i);
        PrintStat(50, y, std::string(texts::StatusLabels[i]) + Decimal(values[i]));
    }
    window.ShowModal(&form());
}

void frmGorvak::cmdQuit_Click() { windows().Quit(0); }

void frmGorvak::Form_Command(ui::Command command)
{
    if (command == ui::Command::Help) {
        howToPlay_->Show();
    } else {
        settings_->Command(command);
    }
}

double frmGorvak::FightPause(double amount) const
{
    return ::FightPause(amount, settings_->Current().pace);
}

void frmGorvak::lblVersion_Click() { Form_Command(ui::Command::Settings); }

void frmGorvak::Tell(Module1::Notice notice)
{
    if (notice == Module1::Notice::NotEnoughMoney) {
        windows().MessageBox(texts::NotEnoughMoney, nullptr);
        return;
    }
    PlaySoundEffect(sound::Sound::sndCheckStats, false, false);
    cmdStatus_Click();
}
