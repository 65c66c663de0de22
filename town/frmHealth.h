// The health department: pies, a night's lodging, the doctor.
#pragma once

#include "town/DepartmentWindow.h"

class frmHealth final : public DepartmentWindow {
public:
    static constexpr DepartmentLook Look{"frmHealth", 3795, 3330, ui::Picture::Health,
                                         town::Department::Health};
    explicit frmHealth(Town town);
    static ui::FormLayout Layout();
};
