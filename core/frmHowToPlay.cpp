#include "core/frmHowToPlay.h"

#include "core/Texts.h"
#include "core/WindowLayout.h"

#include <array>
#include <string>

namespace {

constexpr ui::Color Ink = ui::RGB(48, 28, 16);

// The parts' labels, five to a column, each beside its framed picture on
// the card's background.
constexpr std::array<ui::ControlName, texts::CardParts.size()> kParts = {
    ui::ControlName("lblGoal"),   ui::ControlName("lblSteps"), ui::ControlName("lblFinds"),
    ui::ControlName("lblCharm"),  ui::ControlName("lblSerum"), ui::ControlName("lblFight"),
    ui::ControlName("lblWeapon"), ui::ControlName("lblTown"),  ui::ControlName("lblZorvath"),
    ui::ControlName("lblKeys")};

}  // namespace

frmHowToPlay::frmHowToPlay(ui::WindowSystem& windows, ui::Form& main)
    : main_(main),
      form_(windows.CreateForm(Layout(this)))
{
}

ui::FormLayout frmHowToPlay::Layout(frmHowToPlay* window)
{
    std::vector<ui::ControlLayout> controls = {{lblTitle, ui::ControlKind::Label,
                                                std::string(texts::CardTitle), 28, 10, 300, 26,
                                                ui::RGB(96, 24, 16)}};
    for (std::size_t i = 0; i < kParts.size(); ++i) {
        const int column = static_cast<int>(i) / 5;
        const int row = static_cast<int>(i) % 5;
        controls.push_back({kParts[i], ui::ControlKind::Label, std::string(texts::CardParts[i]),
                            104 + 316 * column, 47 + 92 * row, 212, 90, Ink});
    }
    controls.push_back(OkButton(280, 508, ui::Handler(window, &frmHowToPlay::cmdOK_Click)));
    return WindowLayout("frmHowToPlay", 640, 552, ui::Picture::Card, std::move(controls), Ink);
}

void frmHowToPlay::Show()
{
    if (form_->IsVisible()) return;
    form_->Load();
    form_->Move(main_.Left(), main_.Top());
    form_->ShowModal(&main_);
}

void frmHowToPlay::cmdOK_Click() { form_->Unload(); }
