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

void DrawPriceTags(ui::Form& department, std::initializer_list<PriceTag> tags)
{
    ui::Surface& surface = department.surface();
    for (const PriceTag& tag : tags) {
        surface.SetCurrentXY(tag.x, tag.y);
        surface.Print(Decimal(tag.Price) + std::string(texts::PriceTagSuffix));
    }
}

ui::ControlLayout TownButton(std::string name, std::string_view caption, int leftTwips)
{
    return {std::move(name), ui::ControlKind::Button, std::string(caption), Twips(leftTwips),
            Twips(2520), Twips(975), Twips(495)};
}
