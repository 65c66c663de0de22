#include "town/Wares.h"

#include "core/Module1.h"
#include "dungeon/Rooms.h"

namespace town {

Effect EffectOf(Ware w, const std::function<double()>& rnd)
{
    Effect e = Row(w).effect;
    if (e.drawn) {
        const double u = rnd();
        if (e.attack != 0) e.attack = static_cast<Int16>(RoundHalfEven(e.attack + u));
        if (e.health != 0) e.health = static_cast<Int16>(RoundHalfEven(e.health + u));
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
