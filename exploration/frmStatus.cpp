#include "exploration/frmStatus.h"
#include "core/Texts.h"
#include "core/WindowLayout.h"
#include "core/frmGorvak.h"
#include "ui/WindowSystem.h"

frmStatus::frmStatus(frmGorvak& main)
    : form_(main.windows().CreateForm(Layout(this)))
{
}

ui::FormLayout frmStatus::Layout(frmStatus* window)
{
    return WindowLayout("frmStatus", 202, 236, ui::Picture::Status,
                        {{Label1, ui::ControlKind::Label, std::string(texts::StatusTitle), 16, 24,
                          169, 17, ui::RGB(96, 24, 16)},
                         OkButton(64, 184, ui::Handler(window, &frmStatus::cmdOK_Click))},
                        ui::RGB(48, 28, 16));
}

void frmStatus::cmdOK_Click() { form_->Unload(); }

void frmGorvak::PrintStat(Int16 X, Int16 Y, std::string_view Stat)
{
    ui::Surface& surface = StatusWindow().form().surface();
    surface.SetCurrentXY(X, Y);
    surface.Print(Stat);
}

void frmGorvak::cmdStatus_Click()
{
    ui::Form& window = StatusWindow().form();
    window.Load();
    const std::array<long long, 8> values = {
        stats.Health, stats.Attack,          stats.Pies,  stats.Gold, stats.Spells,
        stats.Serum,  stats.HasBrew ? 1 : 0, stats.Weapon};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const auto y = static_cast<Int16>(50 + 15 * i);
        PrintStat(50, y, std::string(texts::StatusLabels[i]) + Decimal(values[i]));
    }
    window.ShowModal(&form());
}
