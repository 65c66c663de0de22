#include "town/DepartmentWindow.h"

#include "core/Texts.h"
#include "core/WindowLayout.h"
#include "sound/Sound.h"
#include "ui/Random.h"
#include "ui/WindowSystem.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The shelves stand 72 px apart in the pictures: a shelf's button below it,
// its price card on it.
constexpr int ButtonLeftTwips(int shelf) { return 360 + 1080 * shelf; }
constexpr int CardLeft(int shelf) { return 36 + 72 * shelf; }
constexpr int CardTop = 98;

}  // namespace

DepartmentWindow::DepartmentWindow(Town town, const DepartmentLook& look)
    : town_(town),
      department_(look.department),
      form_(town.windows.CreateForm(Layout(this, look)))
{
}

ui::FormLayout DepartmentWindow::Layout(DepartmentWindow* window, const DepartmentLook& look)
{
    std::vector<const town::WareRow*> shelves;
    for (const town::WareRow& row : town::Wares) {
        if (row.department == look.department) shelves.push_back(&row);
    }
    std::sort(shelves.begin(), shelves.end(),
              [](const auto* a, const auto* b) { return a->shelf < b->shelf; });
    std::vector<ui::ControlLayout> buttons;
    for (const town::WareRow* row : shelves) {
        std::function<void()> click;
        if (window != nullptr) click = [window, ware = row->ware] { window->Buy(ware); };
        buttons.push_back(TownButton(ui::ControlName(row->button), row->caption,
                                     ButtonLeftTwips(row->shelf), std::move(click)));
    }
    return WindowLayout(std::string(look.name), TwipsToPixels(look.widthTwips),
                        TwipsToPixels(look.heightTwips), look.picture, std::move(buttons));
}

void DepartmentWindow::Open()
{
    if (!form_->IsLoaded()) {
        form_->Load();
        Form_Load();
    }
    form_->ShowModeless(nullptr);
}

void DepartmentWindow::Form_Load()
{
    // "10 港幣" on each shelf's card.
    ui::Surface& surface = form_->surface();
    for (const town::WareRow& row : town::Wares) {
        if (row.department != department_) continue;
        surface.SetCurrentXY(CardLeft(row.shelf), CardTop);
        surface.Print(Decimal(row.price) + std::string(texts::PriceTagSuffix));
    }
}

void DepartmentWindow::Buy(town::Ware ware)
{
    const town::WareRow& row = town::Row(ware);
    form_->Unload();
    Module1& stats = town_.stats;
    if (!stats.CanAfford(row.price)) return;
    town_.sounds.PlaySoundEffect(sound::Sound::sndShop, false, false);
    stats.Gold = SatAdd(stats.Gold, -row.price);
    const town::Effect effect = town::EffectOf(ware, [this] { return town_.random.Rnd(); });
    town::Apply(effect, stats);
    const town::Message& message = row.message;
    const auto said = [](const texts::Text* t) { return t != nullptr ? t->str() : ""; };
    std::string text(said(message.text));
    switch (message.says) {
    case town::Says::Nothing: return;
    case town::Says::Text: break;
    case town::Says::AttackGiven:
    case town::Says::HealthGiven: {
        const Int16 n = message.says == town::Says::AttackGiven ? effect.attack : effect.health;
        text +=
            "\r\n\r\n" + std::string(texts::Added) + Decimal(n) + std::string(said(message.suffix));
        break;
    }
    case town::Says::Advice:
        text += std::string(GetAdvice()) + std::string(said(message.suffix));
        break;
    }
    town_.windows.MessageBox(text, nullptr);
}

std::string_view DepartmentWindow::GetAdvice() const
{
    switch (town::Advice(town_.gorvakRoom, town_.stats.CurrentRoom)) {
    case town::Bearing::North: return texts::North;
    case town::Bearing::South: return texts::South;
    case town::Bearing::West: return texts::West;
    case town::Bearing::East: break;
    }
    return texts::East;
}

ui::ControlLayout TownButton(ui::ControlName name, std::string_view caption, int leftTwips,
                             std::function<void()> onClick)
{
    return {name,
            ui::ControlKind::Button,
            std::string(caption),
            TwipsToPixels(leftTwips),
            TwipsToPixels(2520),
            TwipsToPixels(975),
            TwipsToPixels(495),
            ui::Black,
            std::move(onClick)};
}
