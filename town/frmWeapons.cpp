#include "town/frmWeapons.h"

#include "core/Texts.h"
#include "core/WindowLayout.h"
#include "core/frmGorvak.h"
#include "town/Purchase.h"
#include "town/Wares.h"
#include "ui/WindowSystem.h"

frmWeapons::frmWeapons(frmGorvak& main) : main_(main), form_(main.windows().CreateForm(Layout()))
{
    form_->onClick = [this](std::string_view control) {
        if (control == "cmdClub") cmdClub_Click();
        else if (control == "cmdKnife") cmdKnife_Click();
        else if (control == "cmdSword") cmdSword_Click();
    };
}

ui::FormLayout frmWeapons::Layout()
{
    return WindowLayout("frmWeapons", TwipsToPixels(3780), TwipsToPixels(3300), ui::Picture::Weapons,
                      {TownButton("cmdClub", texts::cmdClub, 360),
                       TownButton("cmdKnife", texts::cmdKnife, 1440),
                       TownButton("cmdSword", texts::cmdSword, 2520)});
}

void frmWeapons::Buy(town::Ware weapon)
{
    if (!Purchase(main_, *form_, town::PriceOf(weapon))) return;
    town::Apply(town::EffectOf(weapon, {}), main_.stats);
}

void frmWeapons::cmdClub_Click() { Buy(town::Ware::Club); }
void frmWeapons::cmdKnife_Click() { Buy(town::Ware::Knife); }
void frmWeapons::cmdSword_Click() { Buy(town::Ware::Sword); }
