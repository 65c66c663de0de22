#include "town/frmWeapons.h"

#include "core/Texts.h"
#include "core/WindowLayout.h"
#include "core/frmGorvak.h"
#include "town/Purchase.h"
#include "town/Wares.h"
#include "ui/WindowSystem.h"

frmWeapons::frmWeapons(frmGorvak& main)
    : main_(main),
      form_(main.windows().CreateForm(Layout(this)))
{
}

ui::FormLayout frmWeapons::Layout(frmWeapons* window)
{
    return WindowLayout(
        "frmWeapons", TwipsToPixels(3780), TwipsToPixels(3300), ui::Picture::Weapons,
        {TownButton(cmdClub, texts::cmdClub, 360, ui::Handler(window, &frmWeapons::cmdClub_Click)),
         TownButton(cmdKnife, texts::cmdKnife, 1440,
                    ui::Handler(window, &frmWeapons::cmdKnife_Click)),
         TownButton(cmdSword, texts::cmdSword, 2520,
                    ui::Handler(window, &frmWeapons::cmdSword_Click))});
}

void frmWeapons::Form_Load()
{
    DrawPriceTags(*form_, {town::Ware::Club, town::Ware::Knife, town::Ware::Sword});
}

void frmWeapons::Buy(town::Ware weapon)
{
    if (!Purchase(main_, *form_, weapon)) return;
    town::Apply(town::EffectOf(weapon, {}), main_.stats);
}

void frmWeapons::cmdClub_Click() { Buy(town::Ware::Club); }
void frmWeapons::cmdKnife_Click() { Buy(town::Ware::Knife); }
void frmWeapons::cmdSword_Click() { Buy(town::Ware::Sword); }
