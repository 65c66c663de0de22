// The player's statistics and the small routines that guard them. Every
// window reads and changes them; values with limits change only through the
// adders, which also warn the player when a value has run low.
#pragma once

#include "core/Numbers.h"

#include <functional>

namespace sound {
class SoundEffects;
}
namespace ui {
class WindowSystem;
}

class Module1 {
public:
    Module1(ui::WindowSystem& windows, sound::SoundEffects& sounds);

    Int16 Health = 50;
    Int16 Attack = 100;
    Int16 Pies = 1;
    Int16 Gold = 60;
    Int16 Spells = 0;
    Int16 Serum = 0;
    bool HasBrew = false;
    Int16 CurrentRoom = 45;
    Int16 Weapon = 0;  // 0 none, 1 club, 2 knife, 3 sword
    Int16 PieSteps = 0;
    bool SpellMode = false;

    static constexpr Int16 MaxHealth = 50;
    static constexpr Int16 MaxAttack = 100;
    static constexpr Int16 LowMark = 15;  // below this, health and attack warn

    void InitPlayer();
    // True when Gold covers Price; otherwise says so and returns false.
    // Never changes Gold: the shop subtracts the price itself.
    bool CanAfford(Int16 Price);
    void AddHealth(Int16 Change);
    void AddAttack(Int16 Change);
    void AddPies(Int16 Change);

    // The main window's status action, opened by the warning.
    std::function<void()> statusAction;

private:
    void WarnLow();

    ui::WindowSystem& windows_;
    sound::SoundEffects& sounds_;
};
