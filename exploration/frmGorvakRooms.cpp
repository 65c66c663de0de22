// The main window's room events: what a room holds is taken, shown and acted
// on; the pause every action shares; the serum; the buttons an action locks.
#include "core/Texts.h"
#include "core/frmGorvak.h"
#include "exploration/Finds.h"
#include "ui/Clock.h"
#include "ui/WindowSystem.h"

void frmGorvak::ShowItem(Int16 Room)
{
    CheckForRandomItem(Room);
    const Int16 item = RoomItem.at(Room);
    RoomItem.at(Room) = ItemNone;
    switch (item) {
    case ItemGold: {
        const int amount = finds::GoldAmount(Rnd());
        stats.Gold = SatAdd(stats.Gold, amount);
        ShowDiscovery(ui::Picture::Gold, Decimal(amount) + std::string(texts::GoldSuffix), false);
        break;
    }
    case ItemSpell:
        stats.Spells = SatAdd(stats.Spells, 1);
        ShowDiscovery(ui::Picture::Spell, texts::FoundSpell, false);
        break;
    case ItemSerum:
        stats.Serum = SatAdd(stats.Serum, 1);
        ShowDiscovery(ui::Picture::Serum, texts::FoundSerum, false);
        break;
    case ItemThief:
        stats.Gold = SatAdd(stats.Gold, -finds::ThiefShare(stats.Gold));
        ShowDiscovery(ui::Picture::Thief, texts::FoundThief, false);
        break;
    case ItemTeleport: {
        const unsigned game = GameNumber();
        ShowDiscovery(ui::Picture::Teleport, texts::FoundTeleport, false);
        if (game == GameNumber()) Teleport();
        break;
    }
    case ItemSkeleton: {
        Battling = true;
        ToggleButtons(false);
        ShowDiscovery(ui::imgSkeleton(0), texts::FoundSkeleton, false, FightPause(2, Pace));
        FightSkeleton();
        break;
    }
    case ItemGorvak: FoundGorvak(); break;
    default: break;
    }
}

void frmGorvak::CheckForRandomItem(Int16 Room)
{
    if (RoomItem.at(Room) != ItemNone) return;
    RoomItem.at(Room) = finds::RandomFind(Rnd());
}

void frmGorvak::Delay(double amount)
{
    // Ends by the clock, never early: a wait may return before its time.
    const ui::Clock& clock = services().clock;
    const double end = clock.Now() + amount;
    for (double now = clock.Now(); now < end; now = clock.Now()) {
        windows().Wait(end - now);
    }
}

void frmGorvak::DrinkSerum()
{
    stats.Serum = SatAdd(stats.Serum, -1);
    const int n = finds::SerumBoost(Rnd());
    windows().MessageBox(std::string(texts::DrankSerum) + "\r\n" + std::string(texts::SerumPlus) +
                             Decimal(n) + std::string(texts::SerumSuffix),
                         &form());
    stats.AddAttack(static_cast<Int16>(n));
}

void frmGorvak::ToggleButtons(bool Setting)
{
    form().SetEnabled(cmdShop, Setting);
    form().SetEnabled(cmdSpell, Setting);
    form().SetEnabled(cmdStatus, Setting);
}
