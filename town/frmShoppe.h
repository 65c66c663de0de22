// The town's hub: one button per department.
#pragma once

#include "ui/Form.h"

#include <memory>

class DepartmentWindow;
namespace ui {
class WindowSystem;
}

class frmShoppe {
public:
    frmShoppe(ui::WindowSystem& windows, ui::Form& main, DepartmentWindow& health,
              DepartmentWindow& magic, DepartmentWindow& weapons);
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
    void OpenDepartment(DepartmentWindow& department);

    ui::Form& main_;
    DepartmentWindow& health_;
    DepartmentWindow& magic_;
    DepartmentWindow& weapons_;
    std::unique_ptr<ui::Form> form_;
};
