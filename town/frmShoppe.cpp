#include "town/frmShoppe.h"

#include "core/Texts.h"
#include "core/WindowLayout.h"
#include "core/frmGorvak.h"
#include "town/Purchase.h"
#include "town/frmHealth.h"
#include "town/frmMagic.h"
#include "town/frmWeapons.h"
#include "ui/WindowSystem.h"

frmShoppe::frmShoppe(frmGorvak& main)
    : main_(main),
      form_(main.windows().CreateForm(Layout(this)))
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

void frmShoppe::Form_Load()
{
    form_->Move(main_.form().Left() + TwipsToPixels(1000),
                main_.form().Top() + TwipsToPixels(1000));
}

void frmShoppe::OpenDepartment(ui::Form& department, const std::function<void()>& Form_Load)
{
    if (!department.IsLoaded()) {
        department.Load();
        Form_Load();
    }
    department.ShowModeless(nullptr);
    form_->Unload();
}

void frmShoppe::cmdHealth_Click()
{
    OpenDepartment(main_.HealthWindow().form(), [this] { main_.HealthWindow().Form_Load(); });
}

void frmShoppe::cmdMagic_Click()
{
    OpenDepartment(main_.MagicWindow().form(), [this] { main_.MagicWindow().Form_Load(); });
}

void frmShoppe::cmdWeapon_Click()
{
    OpenDepartment(main_.WeaponsWindow().form(), [this] { main_.WeaponsWindow().Form_Load(); });
}

void frmGorvak::cmdShop_Click()
{
    ui::Form& hub = ShoppeWindow().form();
    if (!hub.IsLoaded()) {
        hub.Load();
        ShoppeWindow().Form_Load();
    }
    hub.ShowModeless(&form());
}
