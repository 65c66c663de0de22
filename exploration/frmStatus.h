// The modal window that lists the player's eight statistics.
#pragma once

#include "core/WindowLayout.h"
#include "ui/Form.h"

#include <memory>

namespace ui {
class WindowSystem;
}

class frmStatus {
public:
    explicit frmStatus(ui::WindowSystem& windows);
    static constexpr ui::ControlName Label1{"Label1"};
    static constexpr ui::ControlName cmdOK = ::cmdOK;
    static ui::FormLayout Layout(frmStatus* window = nullptr);

    ui::Form& form() { return *form_; }
    void cmdOK_Click();

private:
    std::unique_ptr<ui::Form> form_;
};
