// The window that shows a find for two seconds, and the ending notices.
#pragma once

#include "core/WindowLayout.h"
#include "ui/Form.h"

#include <memory>

namespace ui {
class WindowSystem;
}

class frmDiscovery {
public:
    explicit frmDiscovery(ui::WindowSystem& windows);
    static constexpr ui::ControlName cmdOK = ::cmdOK;
    static ui::FormLayout Layout(frmDiscovery* window = nullptr);

    ui::Form& form() { return *form_; }
    void cmdOK_Click();

private:
    std::unique_ptr<ui::Form> form_;
};
