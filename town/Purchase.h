// The purchase every department button runs: the department closes at once,
// the money is checked, the till rings and the price is paid. True when the
// item is to be handed over.
#pragma once

#include "core/Numbers.h"
#include "town/Wares.h"
#include "ui/Form.h"

#include <array>
#include <string>
#include <vector>

class frmGorvak;

bool Purchase(frmGorvak& game, ui::Form& department, town::Ware ware);

// Writes each shelf's price on its card in the department's picture, as
// "10 港幣", left to right. Every department does it when it loads.
void DrawPriceTags(ui::Form& department, const std::array<town::Ware, 3>& shelves);

// One of the three buttons along the bottom of the hub and the departments.
ui::ControlLayout TownButton(ui::ControlName name, std::string_view caption, int leftTwips,
                             std::function<void()> onClick);
