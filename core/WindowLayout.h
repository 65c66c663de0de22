// The layout every game window shares: the common caption, a fixed client
// area and its own background picture; the OK button of the small windows;
// and where the secondary windows open beside the main one.
#pragma once

#include "ui/Form.h"
#include "ui/WindowSystem.h"

#include <string>
#include <vector>

inline constexpr int TwipsPerPixel = 15;
constexpr int TwipsToPixels(int twips) { return (twips + TwipsPerPixel / 2) / TwipsPerPixel; }

ui::FormLayout WindowLayout(std::string name, int clientWidth, int clientHeight,
                            ui::Picture background, std::vector<ui::ControlLayout> controls,
                            ui::Color textColor = ui::Black);

// The window system's own words: caption, OK button, unexpected failure.
ui::SystemTexts GameSystemTexts();

// The "確定" button of the small windows, 81 x 33.
inline constexpr ui::ControlName cmdOK{"cmdOK"};
ui::ControlLayout OkButton(int left, int top, std::function<void()> onClick);

// How far right of and below the main window's corner a window opens, in
// twips; it does not follow later moves of the main window.
struct Offset {
    int right;
    int down;
};
inline constexpr Offset DiscoveryOffset{1500, 1500};  // finds and the ending notices
inline constexpr Offset BattleOffset{1500, 1000};
inline constexpr Offset HubOffset{1000, 1000};
void PlaceBeside(ui::Form& window, const ui::Form& main, Offset offset);
