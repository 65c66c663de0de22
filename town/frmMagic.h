// The magic department: charms, advice on where Zorvath lies, and the thing
// against Zorvath.
#pragma once

#include "town/DepartmentWindow.h"

class frmMagic final : public DepartmentWindow {
public:
    static constexpr DepartmentLook Look{"frmMagic", 3780, 3315, ui::Picture::Magic,
                                         town::Department::Magic};
    explicit frmMagic(Town town);
    static ui::FormLayout Layout();
};
