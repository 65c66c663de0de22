// The how-to-play card: the goal, the finds, the fights, the town and the
// keys on one sheet, each beside the game's own picture of it. F1 opens it
// from any window, and it opens by itself once, on a player's first start.
#pragma once

#include "ui/Form.h"

#include <memory>

class frmGorvak;

class frmHowToPlay {
public:
    explicit frmHowToPlay(frmGorvak& main);
    static constexpr ui::ControlName lblTitle{"lblTitle"};
    static ui::FormLayout Layout(frmHowToPlay* window = nullptr);

    ui::Form& form() { return *form_; }
    // Modal, over the main window's corner: the game waits while the
    // player reads. Nothing if it is up already.
    void Show();
    void cmdOK_Click();

private:
    frmGorvak& main_;
    std::unique_ptr<ui::Form> form_;
};
