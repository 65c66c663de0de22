#include "core/Module1.h"

void Module1::InitPlayer()
{
    Health = 50;
    Attack = 100;
    Pies = 1;
    Gold = 60;
    Spells = 0;
    Serum = 0;
    HasBrew = false;
    CurrentRoom = 45;
    Weapon = 0;
    PieSteps = 0;
    SpellMode = false;
}

bool Module1::CanAfford(Int16 Price)
{
    if (Gold >= Price) return true;
    Tell(Notice::NotEnoughMoney);
    return false;
}

void Module1::AddHealth(Int16 Change)
{
    Health = SatAdd(Health, Change);
    if (Health > MaxHealth) {
        Health = MaxHealth;
    } else if (Health < LowMark) {
        Tell(Notice::Low);
    }
}

void Module1::AddAttack(Int16 Change)
{
    Attack = SatAdd(Attack, Change);
    if (Attack > MaxAttack) {
        Attack = MaxAttack;
    } else if (Attack < LowMark) {
        Tell(Notice::Low);
    }
}

void Module1::AddPies(Int16 Change)
{
    Pies = SatAdd(Pies, Change);
    if (Pies <= 0) {
        Pies = 0;
        Tell(Notice::Low);
    } else if (Pies == 1) {
        Tell(Notice::Low);
    }
}

void Module1::Tell(Notice notice)
{
    if (tell) tell(notice);
}
