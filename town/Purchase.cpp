#include "town/Purchase.h"

#include "core/Texts.h"
#include "core/frmGorvak.h"

bool Purchase(frmGorvak& game, ui::Form& department, town::Ware ware)
{
    const Int16 Price = town::PriceOf(ware);
    department.Unload();
    if (!game.stats.CanAfford(Price)) return false;
    game.PlaySoundEffect(sound::Sound::sndShop, false, false);
    game.stats.Gold = SatAdd(game.stats.Gold, -Price);
    return true;
}

void DrawPriceTags(ui::Form& department, const std::array<town::Ware, 3>& shelves)
{
    // The cards stand on the three shelves, 72 px apart (see the pictures).
    ui::Surface& surface = department.surface();
    for (std::size_t i = 0; i < shelves.size(); ++i) {
        surface.SetCurrentXY(36 + 72 * static_cast<int>(i), 98);
        surface.Print(Decimal(town::PriceOf(shelves[i])) + std::string(texts::PriceTagSuffix));
    }
}

ui::ControlLayout TownButton(ui::ControlName name, std::string_view caption, int leftTwips,
                             std::function<void()> onClick)
{
    return {name,
            ui::ControlKind::Button,
            std::string(caption),
            TwipsToPixels(leftTwips),
            TwipsToPixels(2520),
            TwipsToPixels(975),
            TwipsToPixels(495),
            ui::Black,
            std::move(onClick)};
}
