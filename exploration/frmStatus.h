// The modal window that lists the player's eight statistics.
#pragma once

#include "ui/Form.h"

#include <memory>

class frmGorvak;

class frmStatus {
public:
    explicit frmStatus(frmGorvak& main);
    static ui::FormLayout Layout();

    ui::Form& form() { return *form_; }
    void cmdOK_Click();

private:
    std::unique_ptr<ui::Form> form_;
};
