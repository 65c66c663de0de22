#include "combat/frmBattle.h"

#include "core/Texts.h"
#include "ui/WindowSystem.h"

frmBattle::frmBattle(ui::WindowSystem& windows, ui::Form& main, std::function<bool()> fightGoesOn)
    : main_(main),
      fightGoesOn_(std::move(fightGoesOn)),
      form_(windows.CreateForm(Layout(this)))
{
    form_->onQueryUnload = [this] { return Form_QueryUnload(); };
}

ui::FormLayout frmBattle::Layout(frmBattle* window)
{
    // Dark ink: the bonus line sits on the scene's parchment panel.
    return WindowLayout("frmBattle", 202, 281, ui::Picture::Battle,
                        {OkButton(56, 232, ui::Handler(window, &frmBattle::cmdOK_Click))},
                        ui::RGB(48, 28, 16));
}

void frmBattle::cmdOK_Click() { form_->Unload(); }

bool frmBattle::Form_QueryUnload() { return fightGoesOn_(); }

ui::Surface& frmBattle::BeginFight(Int16 Modifier)
{
    // A skeleton met during the last fight's closing pause finds this
    // window still up: start afresh, not over the old dice and bonus.
    form_->Unload();
    form_->Load();
    PlaceBeside(*form_, main_, BattleOffset);
    form_->SetEnabled(cmdOK, false);
    form_->ShowModeless(&main_);
    ui::Surface& surface = form_->surface();
    surface.SetCurrentXY(58, 200);
    surface.Print(std::string(texts::BonusLine) + Decimal(Modifier));
    return surface;
}

void frmBattle::EndFight()
{
    form_->SetEnabled(cmdOK, true);
    form_->surface().PaintPicture(ui::imgSkeleton(3), 68, 50);
}
