#include "town/frmMagic.h"

#include "core/Texts.h"
#include "core/WindowLayout.h"
#include "core/frmGorvak.h"
#include "town/Purchase.h"
#include "ui/WindowSystem.h"

frmMagic::frmMagic(frmGorvak& main) : main_(main), form_(main.windows().CreateForm(Layout()))
{
    form_->onClick = [this](std::string_view control) {
        if (control == "cmdSpell") cmdSpell_Click();
        else if (control == "cmdAdvice") cmdAdvice_Click();
        else if (control == "cmdBrew") cmdBrew_Click();
    };
}

ui::FormLayout frmMagic::Layout()
{
    return WindowLayout("frmMagic", Twips(3780), Twips(3315), ui::Picture::Magic,
                      {TownButton("cmdSpell", texts::cmdMagicSpell, 360),
                       TownButton("cmdAdvice", texts::cmdAdvice, 1440),
                       TownButton("cmdBrew", texts::cmdBrew, 2520)});
}

void frmMagic::Form_Load()
{
    // The cards stand on the three shelves, 72 px apart (see the picture).
    DrawPriceTags(*form_, {{10, 36, 98}, {20, 108, 98}, {80, 180, 98}});
}

void frmMagic::cmdSpell_Click()
{
    if (!Purchase(main_, *form_, 10)) return;
    main_.stats.Spells = SatAdd(main_.stats.Spells, 1);
}

void frmMagic::cmdAdvice_Click()
{
    if (!Purchase(main_, *form_, 20)) return;
    main_.windows().MessageBox(std::string(texts::AdvicePrefix) + std::string(GetAdvice()) +
                                   std::string(texts::AdviceSuffix),
                               nullptr);
}

void frmMagic::cmdBrew_Click()
{
    if (!Purchase(main_, *form_, 80)) return;
    main_.stats.HasBrew = true;
    main_.windows().MessageBox(texts::HaveBrew, nullptr);
}

std::string_view frmMagic::GetAdvice() const
{
    const int Gr = RowOf(main_.GorvakRoom);
    const int Gc = ColumnOf(main_.GorvakRoom);
    const int Pr = RowOf(main_.stats.CurrentRoom);
    const int Pc = ColumnOf(main_.stats.CurrentRoom);
    if (Gc == Pc) return Gr < Pr ? texts::North : texts::South;
    // Same row or not, only east or west is told once the columns differ.
    return Gc < Pc ? texts::West : texts::East;
}
