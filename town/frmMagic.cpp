#include "town/frmMagic.h"

frmMagic::frmMagic(Town town)
    : DepartmentWindow(town, Look)
{
}

ui::FormLayout frmMagic::Layout() { return DepartmentWindow::Layout(nullptr, Look); }
