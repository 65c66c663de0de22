// The health department: pies, a night's lodging, the doctor.
#pragma once

#include "ui/Form.h"

#include <memory>

class frmGorvak;

class frmHealth {
public:
    explicit frmHealth(frmGorvak& main);
    static constexpr ui::ControlName cmdPie{"cmdPie"};
    static constexpr ui::ControlName cmdLodge{"cmdLodge"};
    static constexpr ui::ControlName cmdDoctor{"cmdDoctor"};
    static ui::FormLayout Layout(frmHealth* window = nullptr);

    ui::Form& form() { return *form_; }
    void Form_Load();
    void cmdPie_Click();
    void cmdLodge_Click();
    void cmdDoctor_Click();

private:
    frmGorvak& main_;
    std::unique_ptr<ui::Form> form_;
};
