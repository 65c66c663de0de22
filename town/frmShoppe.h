// The town's hub: one button per department.
#pragma once

#include "ui/Form.h"

#include <functional>
#include <memory>

class frmGorvak;

class frmShoppe {
public:
    explicit frmShoppe(frmGorvak& main);
    static constexpr ui::ControlName cmdHealth{"cmdHealth"};
    static constexpr ui::ControlName cmdMagic{"cmdMagic"};
    static constexpr ui::ControlName cmdWeapon{"cmdWeapon"};
    static ui::FormLayout Layout(frmShoppe* window = nullptr);

    ui::Form& form() { return *form_; }
    void Form_Load();
    void cmdHealth_Click();
    void cmdMagic_Click();
    void cmdWeapon_Click();

private:
    void OpenDepartment(ui::Form& department, const std::function<void()>& Form_Load);

    frmGorvak& main_;
    std::unique_ptr<ui::Form> form_;
};
