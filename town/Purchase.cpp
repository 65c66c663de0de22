#include "town/Purchase.h"

#include "core/Texts.h"
#include "core/frmGorvak.h"

bool Purchase(frmGorvak& game, ui::Form& department, Int16 Price)
{
    department.Unload();
    if (!game.stats.CanAfford(Price)) return false;
    game.PlaySoundEffect(sound::Sound::sndShop, false, false);
    game.stats.Gold = SatAdd(game.stats.Gold, -Price);
    return true;
}

ui::ControlLayout TownButton(ui::ControlName name, std::string_view caption, int leftTwips,
                            std::function<void()> onClick)
{
    return {name, ui::ControlKind::Button, std::string(caption), TwipsToPixels(leftTwips),
            TwipsToPixels(2520), TwipsToPixels(975), TwipsToPixels(495), ui::Black,
            std::move(onClick)};
}
