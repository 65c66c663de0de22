// The main window's room events: what a room holds is taken, shown and acted
// on; the discovery window's pause; the pause every action shares; the
// serum; the buttons an action locks.
#include "core/Texts.h"
#include "core/WindowLayout.h"
#include "core/frmGorvak.h"
#include "exploration/Finds.h"
#include "exploration/frmDiscovery.h"
#include "ui/Clock.h"
#include "ui/WindowSystem.h"

namespace {

// What the discovery window shows of a content code.
ui::Picture PictureOf(Int16 item)
{
    switch (item) {
    case ItemGold: return ui::Picture::Gold;
    case ItemSpell: return ui::Picture::Spell;
    case ItemSerum: return ui::Picture::Serum;
    case ItemThief: return ui::Picture::Thief;
    case ItemTeleport: return ui::Picture::Teleport;
    default: return ui::imgSkeleton(0);
    }
}

std::string TextOf(Int16 item, const finds::Find& find)
{
    switch (item) {
    case ItemGold: return Decimal(find.gold) + std::string(texts::GoldSuffix);
    case ItemSpell: return std::string(texts::FoundSpell);
    case ItemSerum: return std::string(texts::FoundSerum);
    case ItemThief: return std::string(texts::FoundThief);
    case ItemTeleport: return std::string(texts::FoundTeleport);
    default: return std::string(texts::FoundSkeleton);
    }
}

}  // namespace

void frmGorvak::ShowItem(Int16 Room)
{
    CheckForRandomItem(Room);
    const Int16 item = RoomItem.at(Room);
    RoomItem.at(Room) = ItemNone;
    const finds::Find find = finds::FindIn(item, stats.Gold, [this] { return Rnd(); });
    // The statistics change before the window shows the find.
    stats.Gold = SatAdd(stats.Gold, find.gold);
    stats.Spells = SatAdd(stats.Spells, find.spells);
    stats.Serum = SatAdd(stats.Serum, find.serum);
    switch (find.then) {
    case finds::Then::Nothing: return;
    case finds::Then::FinalMonster: FoundGorvak(); return;
    case finds::Then::Fight:
        Battling = true;
        ToggleButtons(false);
        break;
    default: break;
    }
    const unsigned game = GameNumber();
    ShowDiscovery(PictureOf(item), TextOf(item, find), false,
                  find.then == finds::Then::Fight ? FightPause(2) : 2);
    if (find.then == finds::Then::Teleport && game == GameNumber()) Teleport();
    if (find.then == finds::Then::Fight) FightSkeleton();
}

void frmGorvak::CheckForRandomItem(Int16 Room)
{
    if (RoomItem.at(Room) != ItemNone) return;
    RoomItem.at(Room) = finds::RandomFind(Rnd());
}

void frmGorvak::ShowDiscovery(ui::Picture img, std::string_view Msg, bool Sound, double seconds)
{
    if (Sound) PlaySoundEffect(sound::Sound::sndDiscovery, true, false);
    ui::Form& window = DiscoveryWindow().form();
    window.Load();  // an ending notice still open is reused, button hidden
    ui::Surface& surface = window.surface();
    surface.Clear();
    PlaceBeside(window, form(), DiscoveryOffset);
    surface.PaintPicture(img, 68, 50);
    surface.SetCurrentXY(44, 135);
    surface.Print(Msg);
    window.ShowModeless(&form());
    const unsigned game = GameNumber();
    Delay(seconds);
    // After a restart meanwhile the window holds the new game's ending notice.
    if (game == GameNumber()) window.Unload();
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
