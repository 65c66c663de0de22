#include "town/frmWeapons.h"

#include "core/Texts.h"
#include "core/WindowLayout.h"
#include "core/frmGorvak.h"
#include "town/Purchase.h"
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
    return WindowLayout("frmWeapons", Twips(3780), Twips(3300), ui::Picture::Weapons,
                      {TownButton("cmdClub", texts::cmdClub, 360),
                       TownButton("cmdKnife", texts::cmdKnife, 1440),
                       TownButton("cmdSword", texts::cmdSword, 2520)});
}

void frmWeapons::Form_Load()
{
    // The cards stand on the three shelves, 72 px apart (see the picture).
    DrawPriceTags(*form_, {{15, 36, 98}, {40, 108, 98}, {60, 180, 98}});
}

void frmWeapons::Buy(Int16 Price, Int16 weapon)
{
    if (!Purchase(main_, *form_, Price)) return;
    main_.stats.Weapon = weapon;  // replaces whatever was carried
}

void frmWeapons::cmdClub_Click() { Buy(15, 1); }
void frmWeapons::cmdKnife_Click() { Buy(40, 2); }
void frmWeapons::cmdSword_Click() { Buy(60, 3); }
