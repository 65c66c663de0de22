#include "town/Wares.h"

#include "core/Module1.h"
#include "dungeon/Rooms.h"

namespace town {

Effect EffectOf(Ware w, const std::function<double()>& rnd)
{
    Effect e;
    switch (w) {
    case Ware::Pie: e.pies = 5; break;
    case Ware::Lodge: e.attack = static_cast<Int16>(RoundHalfEven(21 + rnd())); break;
    case Ware::Doctor: e.health = static_cast<Int16>(RoundHalfEven(16 + rnd())); break;
    case Ware::Charm: e.spells = 1; break;
    case Ware::Advice: break;
    case Ware::Brew: e.brew = true; break;
    case Ware::Club: e.weapon = 1; break;
    case Ware::Knife: e.weapon = 2; break;
    case Ware::Sword: e.weapon = 3; break;
    }
    return e;
}

void Apply(const Effect& effect, Module1& stats)
{
    if (effect.pies != 0) stats.AddPies(effect.pies);
    if (effect.attack != 0) stats.AddAttack(effect.attack);
    if (effect.health != 0) stats.AddHealth(effect.health);
    if (effect.spells != 0) stats.Spells = SatAdd(stats.Spells, effect.spells);
    if (effect.brew) stats.HasBrew = true;
    if (effect.weapon != 0) stats.Weapon = effect.weapon;  // replaces whatever was carried
}

Bearing Advice(Int16 gorvakRoom, Int16 currentRoom)
{
    const int Gr = RowOf(gorvakRoom);
    const int Gc = ColumnOf(gorvakRoom);
    const int Pr = RowOf(currentRoom);
    const int Pc = ColumnOf(currentRoom);
    if (Gc == Pc) return Gr < Pr ? Bearing::North : Bearing::South;
    // Same row or not, only east or west is told once the columns differ.
    return Gc < Pc ? Bearing::West : Bearing::East;
}

}  // namespace town
