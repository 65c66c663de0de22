#include "town/frmHealth.h"

frmHealth::frmHealth(Town town)
    : DepartmentWindow(town, Look)
{
}

ui::FormLayout frmHealth::Layout() { return DepartmentWindow::Layout(nullptr, Look); }
