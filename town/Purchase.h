// The purchase every department button runs: the department closes at once,
// the money is checked, the till rings and the price is paid. True when the
// item is to be handed over.
#pragma once

#include "core/Numbers.h"
#include "ui/Form.h"

#include <string>
#include <vector>

class frmGorvak;

bool Purchase(frmGorvak& game, ui::Form& department, Int16 Price);

// One of the three buttons along the bottom of the hub and the departments.
ui::ControlLayout TownButton(ui::ControlName name, std::string_view caption, int leftTwips,
                            std::function<void()> onClick);
