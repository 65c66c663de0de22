// The layout every game window shares: the common caption, a fixed client
// area and its own background picture.
#pragma once

#include "ui/Form.h"
#include "ui/WindowSystem.h"

#include <string>
#include <vector>

ui::FormLayout WindowLayout(std::string name, int clientWidth, int clientHeight,
                            ui::Picture background, std::vector<ui::ControlLayout> controls,
                            ui::Color textColor = ui::Black);

// The window system's own words: caption, OK button, unexpected failure.
ui::SystemTexts GameSystemTexts();

// The "確定" button of the small windows, 81 x 33.
inline constexpr ui::ControlName cmdOK{"cmdOK"};
ui::ControlLayout OkButton(int left, int top, std::function<void()> onClick);
