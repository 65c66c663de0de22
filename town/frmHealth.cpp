#include "town/frmHealth.h"

#include "core/Texts.h"
#include "core/WindowLayout.h"
#include "core/frmGorvak.h"
#include "town/Purchase.h"
#include "town/Wares.h"
#include "ui/WindowSystem.h"

frmHealth::frmHealth(frmGorvak& main)
    : main_(main),
      form_(main.windows().CreateForm(Layout(this)))
{
}

ui::FormLayout frmHealth::Layout(frmHealth* window)
{
    return WindowLayout(
        "frmHealth", TwipsToPixels(3795), TwipsToPixels(3330), ui::Picture::Health,
        {TownButton(cmdPie, texts::cmdPie, 360, ui::Handler(window, &frmHealth::cmdPie_Click)),
         TownButton(cmdLodge, texts::cmdLodge, 1440,
                    ui::Handler(window, &frmHealth::cmdLodge_Click)),
         TownButton(cmdDoctor, texts::cmdDoctor, 2520,
                    ui::Handler(window, &frmHealth::cmdDoctor_Click))});
}

void frmHealth::Form_Load()
{
    DrawPriceTags(*form_, {town::Ware::Pie, town::Ware::Lodge, town::Ware::Doctor});
}

void frmHealth::cmdPie_Click()
{
    if (!Purchase(main_, *form_, town::Ware::Pie)) return;
    town::Apply(town::EffectOf(town::Ware::Pie, {}), main_.stats);
}

void frmHealth::cmdLodge_Click()
{
    if (!Purchase(main_, *form_, town::Ware::Lodge)) return;
    const town::Effect lodging = town::EffectOf(town::Ware::Lodge, [this] { return main_.Rnd(); });
    town::Apply(lodging, main_.stats);
    const Int16 n = lodging.attack;
    main_.windows().MessageBox(std::string(texts::Lodged) + "\r\n\r\n" + std::string(texts::Added) +
                                   Decimal(n) + std::string(texts::LodgeSuffix),
                               nullptr);
}

void frmHealth::cmdDoctor_Click()
{
    if (!Purchase(main_, *form_, town::Ware::Doctor)) return;
    const town::Effect cure = town::EffectOf(town::Ware::Doctor, [this] { return main_.Rnd(); });
    town::Apply(cure, main_.stats);
    const Int16 n = cure.health;
    main_.windows().MessageBox(std::string(texts::Doctored) + "\r\n\r\n" +
                                   std::string(texts::Added) + Decimal(n) +
                                   std::string(texts::DoctorSuffix),
                               nullptr);
}
