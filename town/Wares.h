// The nine wares of the town's three departments: what each costs and what
// it does to the player's statistics. The department windows ask this table;
// prices are changed here and nowhere else.
#pragma once

#include "core/Numbers.h"

#include <array>
#include <functional>

class Module1;

namespace town {

enum class Ware { Pie, Lodge, Doctor, Charm, Advice, Brew, Club, Knife, Sword };

struct WareInfo {
    Ware ware;
    Int16 price;
};

inline constexpr std::array<WareInfo, 9> Wares = {{
    {Ware::Pie, 10},
    {Ware::Lodge, 15},
    {Ware::Doctor, 15},  // health department
    {Ware::Charm, 10},
    {Ware::Advice, 20},
    {Ware::Brew, 80},  // magic department
    {Ware::Club, 15},
    {Ware::Knife, 40},
    {Ware::Sword, 60},  // weapons department
}};

constexpr Int16 PriceOf(Ware w) { return Wares[static_cast<std::size_t>(w)].price; }

// What a paid ware changes. Amounts a purchase draws (a night's lodging,
// the doctor) are drawn here, and only for those wares.
struct Effect {
    Int16 pies = 0;
    Int16 attack = 0;
    Int16 health = 0;
    Int16 spells = 0;
    bool brew = false;
    Int16 weapon = 0;  // 0 leaves the weapon carried as it is
};

Effect EffectOf(Ware w, const std::function<double()>& rnd);

// Hands the ware over. Limited statistics change through Module1's adders,
// which warn when one ends low.
void Apply(const Effect& effect, Module1& stats);

// Which way the final monster lies from the player, as the advice tells it:
// north or south only when they share a column, otherwise east or west.
enum class Bearing { North, East, South, West };
Bearing Advice(Int16 gorvakRoom, Int16 currentRoom);

}  // namespace town
