#include "town/frmHealth.h"

#include "core/Texts.h"
#include "core/WindowLayout.h"
#include "core/frmGorvak.h"
#include "town/Purchase.h"
#include "town/Wares.h"
#include "ui/WindowSystem.h"

frmHealth::frmHealth(frmGorvak& main) : main_(main), form_(main.windows().CreateForm(Layout()))
{
    form_->onClick = [this](std::string_view control) {
        if (control == "cmdPie") cmdPie_Click();
        else if (control == "cmdLodge") cmdLodge_Click();
        else if (control == "cmdDoctor") cmdDoctor_Click();
    };
}

ui::FormLayout frmHealth::Layout()
{
    return WindowLayout("frmHealth", TwipsToPixels(3795), TwipsToPixels(3330), ui::Picture::Health,
                      {TownButton("cmdPie", texts::cmdPie, 360),
                       TownButton("cmdLodge", texts::cmdLodge, 1440),
                       TownButton("cmdDoctor", texts::cmdDoctor, 2520)});
}

void frmHealth::cmdPie_Click()
{
    if (!Purchase(main_, *form_, town::PriceOf(town::Ware::Pie))) return;
    town::Apply(town::EffectOf(town::Ware::Pie, {}), main_.stats);
}

void frmHealth::cmdLodge_Click()
{
    if (!Purchase(main_, *form_, town::PriceOf(town::Ware::Lodge))) return;
    const town::Effect lodging = town::EffectOf(town::Ware::Lodge, [this] { return main_.Rnd(); });
    town::Apply(lodging, main_.stats);
    const Int16 n = lodging.attack;
    main_.windows().MessageBox(std::string(texts::Lodged) + "\r\n\r\n" +
                                   std::string(texts::Added) + Decimal(n) +
                                   std::string(texts::LodgeSuffix),
                               nullptr);
}

void frmHealth::cmdDoctor_Click()
{
    if (!Purchase(main_, *form_, town::PriceOf(town::Ware::Doctor))) return;
    const town::Effect cure = town::EffectOf(town::Ware::Doctor, [this] { return main_.Rnd(); });
    town::Apply(cure, main_.stats);
    const Int16 n = cure.health;
    main_.windows().MessageBox(std::string(texts::Doctored) + "\r\n\r\n" +
                                   std::string(texts::Added) + Decimal(n) +
                                   std::string(texts::DoctorSuffix),
                               nullptr);
}
