#include "core/Texts.h"
#include "core/WindowLayout.h"
#include "core/frmGorvak.h"
#include "exploration/frmDiscovery.h"
#include "ui/Clock.h"
#include "ui/WindowSystem.h"

frmDiscovery::frmDiscovery(frmGorvak& main) : form_(main.windows().CreateForm(Layout()))
{
    form_->onClick = [this](std::string_view control) {
        if (control == "cmdOK") cmdOK_Click();
    };
}

ui::FormLayout frmDiscovery::Layout()
{
    return WindowLayout("frmDiscovery", 199, 220, ui::Picture::Discovery, {OkButton(56, 168)},
                      ui::RGB(48, 28, 16));
}

void frmDiscovery::cmdOK_Click() { form_->Unload(); }

void frmGorvak::ShowItem(Int16 Room)
{
    CheckForRandomItem(Room);
    const Int16 item = RoomItem.at(Room);
    RoomItem.at(Room) = ItemNone;
    switch (item) {
    case ItemGold: {
        const int amount = Draw(3, Rnd(), 2);
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
        stats.Gold = Saturate(stats.Gold - RoundHalfEven(stats.Gold / 4.0));
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
        ShowDiscovery(ui::imgSkeleton(0), texts::FoundSkeleton, false);
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
    const int r = Draw(10, Rnd(), 0);
    if (r >= 5 && r <= 7) {
        RoomItem.at(Room) = ItemSkeleton;
    } else if (r >= 8) {
        RoomItem.at(Room) = ItemGold;
    }
}

void frmGorvak::ShowDiscovery(ui::Picture img, std::string_view Msg, bool Sound)
{
    if (Sound) PlaySoundEffect(sound::Sound::sndDiscovery, true, false);
    ui::Form& window = Discovery().form();
    window.Load();  // an ending notice still open is reused, button hidden
    ui::Surface& surface = window.surface();
    surface.Clear();
    window.Move(form().Left() + Twips(1500), form().Top() + Twips(1500));
    surface.PaintPicture(img, 68, 50);
    surface.SetCurrentXY(44, 135);
    surface.Print(Msg);
    window.ShowModeless(&form());
    const unsigned game = GameNumber();
    Delay(2);
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
    const int n = Draw(15, Rnd(), 15);
    windows().MessageBox(std::string(texts::DrankSerum) + "\r\n" + std::string(texts::SerumPlus) +
                             Decimal(n) + std::string(texts::SerumSuffix),
                         &form());
    stats.AddAttack(static_cast<Int16>(n));
}

void frmGorvak::ToggleButtons(bool Setting)
{
    form().SetEnabled("cmdShop", Setting);
    form().SetEnabled("cmdSpell", Setting);
    form().SetEnabled("cmdStatus", Setting);
}
