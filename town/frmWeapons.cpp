#include "town/frmWeapons.h"

frmWeapons::frmWeapons(Town town)
    : DepartmentWindow(town, Look)
{
}

ui::FormLayout frmWeapons::Layout() { return DepartmentWindow::Layout(nullptr, Look); }
