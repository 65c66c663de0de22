// The player's own settings, remembered between runs: how large the game is
// drawn, full screen, the effects' volume, the language and the battle pace. The file holds
// them as text, one key a setting; each value is read on its own, and one
// this game would never have written (a wrong type, out of range, a language
// it does not speak) gives that setting's default without touching the rest.
#pragma once

#include "core/Pace.h"
#include "ui/Zoom.h"

#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int LargestZoom = ui::zoom::LargestFactor;

struct Settings {
    int zoom = 1;  // whole multiples of the windows' design size
    bool fullScreen = false;
    int volume = 100;  // the effects, in percent; 0 is silence
    std::string language;  // a language's code; empty follows the desktop
    BattlePace pace = BattlePace::AsDesigned;
    friend bool operator==(const Settings&, const Settings&) = default;
};

// Key to value, as the file holds them.
using SettingsText = std::map<std::string, std::string, std::less<>>;

// A setting is a member of Settings and one row here.
struct SettingRow {
    std::string_view key;
    // False, and the settings untouched, for text this game never writes.
    std::function<bool(Settings&, std::string_view)> read;
    std::function<std::string(const Settings&)> write;
};
// `languages`: the codes of the languages the game speaks.
std::vector<SettingRow> SettingRows(std::span<const std::string> languages);

Settings ReadSettings(const SettingsText& text, std::span<const std::string> languages);
SettingsText WriteSettings(const Settings& settings);

// The file's lines: `key=value` in its [General] section (or before any
// section); blanks around either side, comments (; or #), other sections and
// lines without `=` are passed over. The last of a repeated key counts.
SettingsText ParseSettingsFile(std::string_view file);
std::string SettingsFileText(const SettingsText& text);
