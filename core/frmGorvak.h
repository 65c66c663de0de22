// The main window and the game it owns. Its variables are the state of
// play; its methods are the game's operations as glue: each asks the rules
// (dungeon/Grid.h, exploration/Finds.h, combat/Duel.h, town/Wares.h) for the
// outcome of one step, then paints, plays, pauses and checks GameNumber().
// The bodies sit beside their subsystem's rules:
//   core/frmGorvak.cpp                start-up, the main window's events and buttons
//   dungeon/frmGorvakMap.cpp          a new game, the map drawing
//   exploration/frmGorvakWalk.cpp     walking, the charm move and teleport
//   exploration/frmGorvakRooms.cpp    room events and ShowDiscovery, the pause, the serum
//   combat/frmGorvakFights.cpp        a step's cost, the dice and the duel, the endings
// The other windows reach it only through what their constructors take.
#pragma once

#include "core/Module1.h"
#include "dungeon/Grid.h"
#include "dungeon/Rooms.h"
#include "sound/Sound.h"
#include "ui/Color.h"
#include "ui/Form.h"
#include "ui/Pictures.h"
#include "ui/Random.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>

namespace ui {
class Clock;
class Random;
class WindowSystem;
}  // namespace ui

class frmStatus;
class frmDiscovery;
class frmBattle;
class frmHealth;
class frmMagic;
class frmWeapons;
class frmShoppe;
class frmSettings;
class frmHowToPlay;

struct Services {
    ui::WindowSystem& windows;
    ui::Clock& clock;
    ui::Random& random;
    sound::SoundEffects& sounds;
};

class frmGorvak {
public:
    // Plays "Dungeon.gvk" of the current folder, or the dungeon file named.
    explicit frmGorvak(Services services);
    frmGorvak(Services services, std::string dungeonFile);
    ~frmGorvak();
    frmGorvak(const frmGorvak&) = delete;
    frmGorvak& operator=(const frmGorvak&) = delete;

    // The controls; the layout binds each button to its handler.
    static constexpr ui::ControlName cmdShop{"cmdShop"};
    static constexpr ui::ControlName cmdSpell{"cmdSpell"};
    static constexpr ui::ControlName cmdStatus{"cmdStatus"};
    static constexpr ui::ControlName cmdQuit{"cmdQuit"};
    static constexpr ui::ControlName Label1{"Label1"};
    static constexpr ui::ControlName lblVersion{"lblVersion"};
    static constexpr ui::ControlName lblDisclaimer{"lblDisclaimer"};
    static constexpr ui::ControlName Label2{"Label2"};
    static constexpr ui::ControlName lblDescription{"lblDescription"};
    static constexpr ui::ControlName shpRoomMarker{"shpRoomMarker"};
    static ui::FormLayout Layout(frmGorvak* window = nullptr);

    // The player's statistics.
    Module1 stats;

    // The state of play.
    bool Battling = false;
    Int16 GorvakRoom = 0;
    bool Shuffling = false;
    std::array<Int16, RoomCount> RoomType{};
    std::array<Int16, RoomCount> RoomItem{};
    std::string DungeonFile;
    // No settings were saved yet: the how-to-play card opens once the
    // start-up shuffle is over.
    bool FirstStart = false;

    // Start-up and the main window (core/). Form_Load throws
    // ui::ProgramEnding when the game cannot start; the message has been
    // shown and the exit status set by then.
    void Form_Load();
    void InitObjects();
    void Form_MouseDown(int Button, float X, float Y);
    // A walking key is a click at the centre of the neighbouring cell.
    void Form_KeyDown(ui::Key key);
    bool Form_QueryUnload();
    // The keys every window answers: F1 opens the how-to-play card; the
    // others are the screen's. The version line opens the settings.
    void Form_Command(ui::Command command);
    void lblVersion_Click();
    void cmdShop_Click();
    void cmdSpell_Click();
    void cmdStatus_Click();
    void cmdQuit_Click();

    // The dungeon (dungeon/).
    void InitGame();
    Int16 GetGorvakRoom() const { return GorvakRoomOf(RoomItem); }
    static Int16 CalcRoomNumber(float X, float Y) { return grid::CalcRoomNumber(X, Y); }

    // The map (dungeon/), its geometry from dungeon/Grid.h.
    // Whether a click lies on the map; strict on all four sides.
    static bool OnMap(float X, float Y) { return grid::OnMap(X, Y); }
    static void GetPixelXY(Int16 Room, Int16& PixelX, Int16& PixelY)
    {
        const grid::Point corner = grid::RoomCorner(Room);
        PixelX = static_cast<Int16>(corner.x);
        PixelY = static_cast<Int16>(corner.y);
    }
    // Leaves the out arguments as they were for a code that is not a direction.
    static void GetHallPixelXY(Int16 RoomPixelX, Int16 RoomPixelY, Int16& HallPixelX,
                               Int16& HallPixelY, Int16 Direction)
    {
        if (const auto hall = grid::HallCorner({RoomPixelX, RoomPixelY}, Direction)) {
            HallPixelX = static_cast<Int16>(hall->x);
            HallPixelY = static_cast<Int16>(hall->y);
        }
    }
    void DrawCircle(Int16 X, Int16 Y, ui::Color Color);
    void DrawRoom();
    void DrawHallway(Int16 Direction);
    void DrawRoomMarker();

    // Movement (exploration/).
    void MovePlayer(float X, float Y);
    void CalcMoveDirection(Int16 newRoom, ui::Color& Color, Int16& Direction);
    void MoveToRoom(Int16 newRoom, Int16 Direction);
    void ShowNoExit();

    // Room events and the shared services (exploration/).
    void ShowItem(Int16 Room);
    void CheckForRandomItem(Int16 Room);
    // A fight's notices (the encounter, the reward) keep to the battle pace.
    void ShowDiscovery(ui::Picture img, std::string_view Msg, bool Sound, double seconds = 2);
    void Delay(double amount);
    // A pause of a skeleton encounter, at the player's battle pace.
    double FightPause(double amount) const;
    void FightDelay(double amount) { Delay(FightPause(amount)); }
    void DrinkSerum();
    void ToggleButtons(bool Setting);

    // The charm move and the teleporter (exploration/).
    void SpellMove(float X, float Y);
    void Teleport();

    // The status window (exploration/).
    void PrintStat(Int16 X, Int16 Y, std::string_view Stat);

    // Combat and the endings (combat/).
    Int16 RollDice(Int16 X, Int16 Y);
    bool DoBattle(Int16 Modifier);
    bool UpdateStats();
    void FightSkeleton();
    void FoundGorvak();
    void Dead();

    // The windows.
    ui::Form& form() { return *form_; }
    frmStatus& StatusWindow() { return *status_; }
    frmDiscovery& DiscoveryWindow() { return *discovery_; }
    frmBattle& BattleWindow() { return *battle_; }
    frmShoppe& ShoppeWindow() { return *shoppe_; }
    frmHealth& HealthWindow() { return *health_; }
    frmMagic& MagicWindow() { return *magic_; }
    frmWeapons& WeaponsWindow() { return *weapons_; }
    frmSettings& SettingsWindow() { return *settings_; }
    frmHowToPlay& HowToPlayWindow() { return *howToPlay_; }

    Services& services() { return services_; }
    ui::WindowSystem& windows() { return services_.windows; }
    double Rnd() { return services_.random.Rnd(); }
    void PlaySoundEffect(sound::Sound buffer, bool StopFirst, bool LoopIt)
    {
        services_.sounds.PlaySoundEffect(buffer, StopFirst, LoopIt);
    }

    // Counts the games begun. A routine that pauses (and so lets the player
    // act meanwhile) checks it afterwards: if the player died or won in the
    // meantime, a new game has begun and the rest of the old action must
    // not touch it.
    unsigned GameNumber() const { return gameNumber_; }

private:
    void ShuffleRooms();
    void BlinkRoom(Int16 Room);
    // What the statistics tell the player: a low value's sound and status
    // window, or that the money is short.
    void Tell(Module1::Notice notice);

    Services services_;
    std::string playedDungeon_;
    unsigned gameNumber_ = 0;
    std::unique_ptr<ui::Form> form_;
    std::unique_ptr<frmStatus> status_;
    std::unique_ptr<frmDiscovery> discovery_;
    std::unique_ptr<frmBattle> battle_;
    std::unique_ptr<frmHealth> health_;
    std::unique_ptr<frmMagic> magic_;
    std::unique_ptr<frmWeapons> weapons_;
    std::unique_ptr<frmShoppe> shoppe_;
    std::unique_ptr<frmSettings> settings_;
    std::unique_ptr<frmHowToPlay> howToPlay_;
};
