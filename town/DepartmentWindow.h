// A department of the town. Its buttons, price cards and purchases come from
// its rows of the wares table; the three departments differ only in their
// window (name, size, picture).
#pragma once

#include "core/Module1.h"
#include "town/Wares.h"
#include "ui/Form.h"

#include <memory>
#include <string_view>

namespace sound {
class SoundEffects;
}
namespace ui {
class Random;
class WindowSystem;
}  // namespace ui

// What the town needs of the game: the player's statistics, where Zorvath
// is (the advice tells it), message boxes, the till's sound, the dice.
struct Town {
    Module1& stats;
    const Int16& gorvakRoom;
    ui::WindowSystem& windows;
    sound::SoundEffects& sounds;
    ui::Random& random;
};

// A department's own window.
struct DepartmentLook {
    std::string_view name;
    int widthTwips;
    int heightTwips;
    ui::Picture picture;
    town::Department department;
};

class DepartmentWindow {
public:
    DepartmentWindow(Town town, const DepartmentLook& look);

    ui::Form& form() { return *form_; }
    // Loads the department (its price cards drawn) unless it is open, and
    // shows it; an open one only comes to the front.
    void Open();
    void Form_Load();
    // What every button runs: the department closes at once, the money is
    // checked, the till rings, the price is paid and the ware handed over;
    // then the counter says what the ware's row says.
    void Buy(town::Ware ware);

    static constexpr ui::ControlName ButtonOf(town::Ware ware)
    {
        return ui::ControlName(town::Row(ware).button);
    }
    // The department's window with one button per ware of its rows, on the
    // ware's shelf.
    static ui::FormLayout Layout(DepartmentWindow* window, const DepartmentLook& look);

private:
    // The one direction word the advice names.
    std::string_view GetAdvice() const;

    Town town_;
    town::Department department_;
    std::unique_ptr<ui::Form> form_;
};

// One of the buttons along the bottom of the hub and the departments.
ui::ControlLayout TownButton(ui::ControlName name, std::string_view caption, int leftTwips,
                             std::function<void()> onClick);
