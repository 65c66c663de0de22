// The purchase every department button runs: the department closes at once,
// the money is checked, the till rings and the price is paid. True when the
// item is to be handed over.
#pragma once

#include "core/Numbers.h"
#include "ui/Form.h"

#include <initializer_list>
#include <string>
#include <vector>

class frmGorvak;

bool Purchase(frmGorvak& game, ui::Form& department, Int16 Price);

// A ware's price on its shelf card: the price and where its text starts.
struct PriceTag {
    Int16 Price;
    int x;
    int y;
};

// Writes each price on its card in the department's picture, as "10 港幣".
// Every department does it when it loads.
void DrawPriceTags(ui::Form& department, std::initializer_list<PriceTag> tags);

// One of the three buttons along the bottom of the hub and the departments.
ui::ControlLayout TownButton(std::string name, std::string_view caption, int leftTwips);
