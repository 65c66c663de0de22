// The weapons department: club, knife and sword.
#pragma once

#include "town/DepartmentWindow.h"

class frmWeapons final : public DepartmentWindow {
public:
    static constexpr DepartmentLook Look{"frmWeapons", 3780, 3300, ui::Picture::Weapons,
                                         town::Department::Weapons};
    explicit frmWeapons(Town town);
    static ui::FormLayout Layout();
};
