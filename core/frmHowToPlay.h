// The how-to-play card: the goal, the finds, the fights, the town and the
// keys on one sheet, each beside the game's own picture of it. F1 opens it
// from any window, and it opens by itself once, on a player's first start.
#pragma once

#include "ui/Form.h"
#include "ui/WindowSystem.h"

#include <memory>

class frmHowToPlay {
public:
    // `main` owns the card, which opens over its corner.
    frmHowToPlay(ui::WindowSystem& windows, ui::Form& main);
    static constexpr ui::ControlName lblTitle{"lblTitle"};
    static ui::FormLayout Layout(frmHowToPlay* window = nullptr);

    ui::Form& form() { return *form_; }
    // Modal, over the main window's corner: the game waits while the
    // player reads. Nothing if it is up already.
    void Show();
    void cmdOK_Click();

private:
    ui::Form& main_;
    std::unique_ptr<ui::Form> form_;
};
