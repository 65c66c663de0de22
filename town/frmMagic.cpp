#include "town/frmMagic.h"

#include "core/Texts.h"
#include "core/WindowLayout.h"
#include "core/frmGorvak.h"
#include "town/Purchase.h"
#include "town/Wares.h"
#include "ui/WindowSystem.h"

frmMagic::frmMagic(frmGorvak& main)
    : main_(main),
      form_(main.windows().CreateForm(Layout(this)))
{
}

ui::FormLayout frmMagic::Layout(frmMagic* window)
{
    return WindowLayout(
        "frmMagic", TwipsToPixels(3780), TwipsToPixels(3315), ui::Picture::Magic,
        {TownButton(cmdSpell, texts::cmdMagicSpell, 360,
                    ui::Handler(window, &frmMagic::cmdSpell_Click)),
         TownButton(cmdAdvice, texts::cmdAdvice, 1440,
                    ui::Handler(window, &frmMagic::cmdAdvice_Click)),
         TownButton(cmdBrew, texts::cmdBrew, 2520, ui::Handler(window, &frmMagic::cmdBrew_Click))});
}

void frmMagic::Form_Load()
{
    DrawPriceTags(*form_, {town::Ware::Charm, town::Ware::Advice, town::Ware::Brew});
}

void frmMagic::cmdSpell_Click()
{
    if (!Purchase(main_, *form_, town::Ware::Charm)) return;
    town::Apply(town::EffectOf(town::Ware::Charm, {}), main_.stats);
}

void frmMagic::cmdAdvice_Click()
{
    if (!Purchase(main_, *form_, town::Ware::Advice)) return;
    main_.windows().MessageBox(std::string(texts::AdvicePrefix) + std::string(GetAdvice()) +
                                   std::string(texts::AdviceSuffix),
                               nullptr);
}

void frmMagic::cmdBrew_Click()
{
    if (!Purchase(main_, *form_, town::Ware::Brew)) return;
    town::Apply(town::EffectOf(town::Ware::Brew, {}), main_.stats);
    main_.windows().MessageBox(texts::HaveBrew, nullptr);
}

std::string_view frmMagic::GetAdvice() const
{
    switch (town::Advice(main_.GorvakRoom, main_.stats.CurrentRoom)) {
    case town::Bearing::North: return texts::North;
    case town::Bearing::South: return texts::South;
    case town::Bearing::West: return texts::West;
    case town::Bearing::East: break;
    }
    return texts::East;
}
