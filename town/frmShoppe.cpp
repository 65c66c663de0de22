#include "town/frmShoppe.h"

#include "core/Texts.h"
#include "core/WindowLayout.h"
#include "town/DepartmentWindow.h"
#include "ui/WindowSystem.h"

frmShoppe::frmShoppe(ui::WindowSystem& windows, ui::Form& main, DepartmentWindow& health,
                     DepartmentWindow& magic, DepartmentWindow& weapons)
    : main_(main),
      health_(health),
      magic_(magic),
      weapons_(weapons),
      form_(windows.CreateForm(Layout(this)))
{
}

ui::FormLayout frmShoppe::Layout(frmShoppe* window)
{
    return WindowLayout("frmShoppe", TwipsToPixels(3810), TwipsToPixels(3330), ui::Picture::Shoppe,
                        {TownButton(cmdHealth, texts::cmdHealth, 360,
                                    ui::Handler(window, &frmShoppe::cmdHealth_Click)),
                         TownButton(cmdMagic, texts::cmdMagic, 1440,
                                    ui::Handler(window, &frmShoppe::cmdMagic_Click)),
                         TownButton(cmdWeapon, texts::cmdWeapon, 2520,
                                    ui::Handler(window, &frmShoppe::cmdWeapon_Click))});
}

void frmShoppe::Form_Load() { PlaceBeside(*form_, main_, HubOffset); }

void frmShoppe::OpenDepartment(DepartmentWindow& department)
{
    department.Open();
    form_->Unload();
}

void frmShoppe::cmdHealth_Click() { OpenDepartment(health_); }
void frmShoppe::cmdMagic_Click() { OpenDepartment(magic_); }
void frmShoppe::cmdWeapon_Click() { OpenDepartment(weapons_); }
