// The weapons department: club, knife and sword.
#pragma once

#include "town/Wares.h"
#include "ui/Form.h"

#include <memory>

class frmGorvak;

class frmWeapons {
public:
    explicit frmWeapons(frmGorvak& main);
    static constexpr ui::ControlName cmdClub{"cmdClub"};
    static constexpr ui::ControlName cmdKnife{"cmdKnife"};
    static constexpr ui::ControlName cmdSword{"cmdSword"};
    static ui::FormLayout Layout(frmWeapons* window = nullptr);

    ui::Form& form() { return *form_; }
    void Form_Load();
    void cmdClub_Click();
    void cmdKnife_Click();
    void cmdSword_Click();

private:
    void Buy(town::Ware weapon);

    frmGorvak& main_;
    std::unique_ptr<ui::Form> form_;
};
