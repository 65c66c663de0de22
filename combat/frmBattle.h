// The battle window: the dice duel with the skeleton.
#pragma once

#include "core/Numbers.h"
#include "core/WindowLayout.h"
#include "ui/Form.h"

#include <functional>
#include <memory>

class frmBattle {
public:
    // `fightGoesOn` tells whether a fight is under way: till then the
    // window refuses to close.
    frmBattle(ui::WindowSystem& windows, ui::Form& main, std::function<bool()> fightGoesOn);
    static constexpr ui::ControlName cmdOK = ::cmdOK;
    static ui::FormLayout Layout(frmBattle* window = nullptr);

    ui::Form& form() { return *form_; }
    void cmdOK_Click();
    // The player may not close the window while the fight goes on.
    bool Form_QueryUnload();

    // A fight's window, fresh, placed, its OK off and the bonus printed:
    // the surface the dice and the skeleton are painted on.
    ui::Surface& BeginFight(Int16 Modifier);
    // The fight is over: OK on, the beaten skeleton shown.
    void EndFight();

private:
    ui::Form& main_;
    std::function<bool()> fightGoesOn_;
    std::unique_ptr<ui::Form> form_;
};
