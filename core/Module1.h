// The player's statistics and the small routines that guard them. Every
// window reads and changes them; values with limits change only through the
// adders, which also warn the player when a value has run low.
#pragma once

#include "core/Numbers.h"

#include <functional>

class Module1 {
public:
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

    // What the statistics have to tell the player: a value has run low, or
    // the money does not cover a price. The main window says it (a sound and
    // the status window, a message box); the routine that told it goes on
    // once the player has read it.
    enum class Notice { Low, NotEnoughMoney };
    std::function<void(Notice)> tell;

private:
    void Tell(Notice notice);
};
