// The player's screen and settings in a window of the game's own: how large
// the game is drawn, full screen and the effects' volume, each taken into use
// the moment it changes, the language for the next start, and the keys the
// game answers. F2
// opens it from any game window, and so does a click on the main window's
// version line; it is modal, so a fight or a pause waits while it is open.
#pragma once

#include "core/Settings.h"
#include "core/Texts.h"
#include "core/WindowLayout.h"
#include "ui/Form.h"

#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace sound {
class SoundEffects;
}

class frmSettings {
public:
    // `main` owns the window; `sounds` takes the volume.
    frmSettings(ui::WindowSystem& windows, sound::SoundEffects& sounds, ui::Form& main);

    static constexpr ui::ControlName cmdOK = ::cmdOK;
    static constexpr ui::ControlName lblTitle{"lblTitle"};
    static constexpr ui::ControlName lblZoom{"lblZoom"};
    static constexpr ui::ControlName lblZoomValue{"lblZoomValue"};
    static constexpr ui::ControlName cmdZoomOut{"cmdZoomOut"};
    static constexpr ui::ControlName cmdZoomIn{"cmdZoomIn"};
    static constexpr ui::ControlName lblFullScreen{"lblFullScreen"};
    static constexpr ui::ControlName lblFullScreenValue{"lblFullScreenValue"};
    static constexpr ui::ControlName cmdFullScreen{"cmdFullScreen"};
    static constexpr ui::ControlName lblVolume{"lblVolume"};
    static constexpr ui::ControlName lblVolumeValue{"lblVolumeValue"};
    static constexpr ui::ControlName cmdVolumeDown{"cmdVolumeDown"};
    static constexpr ui::ControlName cmdVolumeUp{"cmdVolumeUp"};
    static constexpr ui::ControlName lblPace{"lblPace"};
    static constexpr ui::ControlName lblPaceValue{"lblPaceValue"};
    static constexpr ui::ControlName cmdPace{"cmdPace"};
    static constexpr ui::ControlName cmdHowToPlay{"cmdHowToPlay"};
    static constexpr ui::ControlName lblLanguage{"lblLanguage"};
    static constexpr std::array<ui::ControlName, 3> cmdLanguage = {ui::ControlName{"cmdLanguage0"},
                                                                   ui::ControlName{"cmdLanguage1"},
                                                                   ui::ControlName{"cmdLanguage2"}};
    static constexpr ui::ControlName lblLanguageNote{"lblLanguageNote"};
    static constexpr ui::ControlName lblKeys{"lblKeys"};
    static constexpr ui::ControlName lblKeyActions{"lblKeyActions"};
    static constexpr ui::ControlName lblKeys2{"lblKeys2"};
    static constexpr ui::ControlName lblKeyActions2{"lblKeyActions2"};
    static ui::FormLayout Layout(frmSettings* window = nullptr);

    // The settings read at start, taken into use before the main window
    // first shows, so that it opens at its size. A zoom larger than the
    // screen has room for is drawn at the largest that fits.
    void Use(const Settings& settings);
    const Settings& Current() const { return settings_; }
    // After each change the player makes, with the settings now in use:
    // the program saves them.
    std::function<void(const Settings&)> onChanged;
    // Hands the settings in use on to be saved, changed or not.
    void Save();

    void Command(ui::Command command);

    ui::Form& form() { return *form_; }
    void Form_Load();
    void cmdOK_Click();
    void cmdZoomOut_Click();
    void cmdZoomIn_Click();
    void cmdFullScreen_Click();
    void cmdVolumeDown_Click();
    void cmdVolumeUp_Click();
    void cmdPace_Click();
    // What F1 does: the how-to-play card, over this window.
    void cmdHowToPlay_Click();
    // A language is chosen here and used from the next start: the windows'
    // captions are set once, when they are built.
    void cmdLanguage0_Click() { ChooseLanguage(0); }
    void cmdLanguage1_Click() { ChooseLanguage(1); }
    void cmdLanguage2_Click() { ChooseLanguage(2); }

private:
    void Change(Settings next);
    void Zoom(int zoom);
    void ShowValues();
    void ChooseLanguage(std::size_t index);

    ui::WindowSystem& windows_;
    sound::SoundEffects& sounds_;
    ui::Form& main_;
    std::unique_ptr<ui::Form> form_;
    Settings settings_;
    // The languages the game speaks, as the buttons show them.
    std::vector<texts::Language> languages_;
};
