// The battle window: the dice duel with the skeleton.
#pragma once

#include "core/Numbers.h"
#include "core/WindowLayout.h"
#include "ui/Form.h"

#include <memory>

class frmGorvak;

class frmBattle {
public:
    explicit frmBattle(frmGorvak& main);
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
    frmGorvak& main_;
    std::unique_ptr<ui::Form> form_;
};
