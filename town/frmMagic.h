// The magic department: charms, advice on where Zorvath lies, and the thing
// against Zorvath.
#pragma once

#include "ui/Form.h"

#include <memory>
#include <string_view>

class frmGorvak;

class frmMagic {
public:
    explicit frmMagic(frmGorvak& main);
    static constexpr ui::ControlName cmdSpell{"cmdSpell"};
    static constexpr ui::ControlName cmdAdvice{"cmdAdvice"};
    static constexpr ui::ControlName cmdBrew{"cmdBrew"};
    static ui::FormLayout Layout(frmMagic* window = nullptr);

    ui::Form& form() { return *form_; }
    void Form_Load();
    void cmdSpell_Click();
    void cmdAdvice_Click();
    void cmdBrew_Click();

    // The one direction word the advice names.
    std::string_view GetAdvice() const;

private:
    frmGorvak& main_;
    std::unique_ptr<ui::Form> form_;
};
