// The window that shows a find for two seconds, and the ending notices.
#pragma once

#include "core/WindowLayout.h"
#include "ui/Form.h"

#include <memory>

class frmGorvak;

class frmDiscovery {
public:
    explicit frmDiscovery(frmGorvak& main);
    static constexpr ui::ControlName cmdOK = ::cmdOK;
    static ui::FormLayout Layout(frmDiscovery* window = nullptr);

    ui::Form& form() { return *form_; }
    void cmdOK_Click();

private:
    std::unique_ptr<ui::Form> form_;
};
