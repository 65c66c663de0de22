#include "town/frmHealth.h"

#include "core/Texts.h"
#include "core/WindowLayout.h"
#include "core/frmGorvak.h"
#include "town/Purchase.h"
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
    return WindowLayout("frmHealth", Twips(3795), Twips(3330), ui::Picture::Health,
                      {TownButton("cmdPie", texts::cmdPie, 360),
                       TownButton("cmdLodge", texts::cmdLodge, 1440),
                       TownButton("cmdDoctor", texts::cmdDoctor, 2520)});
}

void frmHealth::Form_Load()
{
    // The cards stand on the three shelves, 72 px apart (see the picture).
    DrawPriceTags(*form_, {{10, 36, 98}, {15, 108, 98}, {15, 180, 98}});
}

void frmHealth::cmdPie_Click()
{
    if (!Purchase(main_, *form_, 10)) return;
    main_.stats.AddPies(5);
}

void frmHealth::cmdLodge_Click()
{
    if (!Purchase(main_, *form_, 15)) return;
    const auto n = static_cast<Int16>(RoundHalfEven(21 + main_.Rnd()));
    main_.stats.AddAttack(n);
    main_.windows().MessageBox(std::string(texts::Lodged) + "\r\n\r\n" +
                                   std::string(texts::Added) + Decimal(n) +
                                   std::string(texts::LodgeSuffix),
                               nullptr);
}

void frmHealth::cmdDoctor_Click()
{
    if (!Purchase(main_, *form_, 15)) return;
    const auto n = static_cast<Int16>(RoundHalfEven(16 + main_.Rnd()));
    main_.stats.AddHealth(n);
    main_.windows().MessageBox(std::string(texts::Doctored) + "\r\n\r\n" +
                                   std::string(texts::Added) + Decimal(n) +
                                   std::string(texts::DoctorSuffix),
                               nullptr);
}
