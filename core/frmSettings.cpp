#include "core/frmSettings.h"

#include "core/Numbers.h"
#include "core/Texts.h"
#include "sound/Sound.h"
#include "ui/WindowSystem.h"

#include <algorithm>

using ui::ControlKind;

namespace {

constexpr int VolumeStep = 10;
constexpr ui::Color TitleInk = ui::RGB(96, 24, 16);

// One row: its name, its value, and the buttons that change it.
constexpr int NameLeft = 28;
constexpr int ValueLeft = 128;
constexpr int ButtonsLeft = 212;
constexpr int RowHeight = 29;

std::string Text(std::string_view text) { return std::string(text); }

}  // namespace

frmSettings::frmSettings(ui::WindowSystem& windows, sound::SoundEffects& sounds, ui::Form& main)
    : windows_(windows),
      sounds_(sounds),
      main_(main),
      form_(windows.CreateForm(Layout(this)))
{
}

namespace {

// Traditional, Simplified, then the rest, as a player looks for them.
std::vector<texts::Language> ButtonOrder(std::vector<texts::Language> languages)
{
    auto rank = [](const texts::Language& l) {
        return l.code == "zh_HK" ? 0 : l.code == "zh_CN" ? 1 : 2;
    };
    std::stable_sort(languages.begin(), languages.end(),
                     [&rank](const auto& a, const auto& b) { return rank(a) < rank(b); });
    return languages;
}

}  // namespace

ui::FormLayout frmSettings::Layout(frmSettings* window)
{
    using ui::Handler;
    auto name = [](ui::ControlName control, std::string_view text, int top) {
        return ui::ControlLayout{control, ControlKind::Label, Text(text), NameLeft, top,
                                 96,      RowHeight};
    };
    auto value = [](ui::ControlName control, int top) {
        return ui::ControlLayout{control, ControlKind::Label, "", ValueLeft, top, 80, RowHeight};
    };
    auto button = [window](ui::ControlName control, std::string_view text, int left, int top,
                           int width, void (frmSettings::*click)()) {
        return ui::ControlLayout{
            control,   ControlKind::Button,   Text(text), left, top, width, RowHeight,
            ui::Black, Handler(window, click)};
    };
    auto keys = [](ui::ControlName control, std::string_view text, int left, int width) {
        return ui::ControlLayout{control, ControlKind::Label, Text(text), left, 276, width, 108};
    };
    // The tab order starts at 確定, so that Enter closes the window as it
    // closes the game's others.
    return WindowLayout(
        "frmSettings", 400, 434, ui::Picture::Settings,
        {
            OkButton(295, 390, Handler(window, &frmSettings::cmdOK_Click)),
            {lblTitle, ControlKind::Label, Text(texts::SettingsTitle), 26, 15, 100, 17, TitleInk},
            name(lblZoom, texts::SettingsZoom, 52),
            value(lblZoomValue, 52),
            button(cmdZoomOut, texts::Less, ButtonsLeft, 52, 40, &frmSettings::cmdZoomOut_Click),
            button(cmdZoomIn, texts::More, ButtonsLeft + 46, 52, 40, &frmSettings::cmdZoomIn_Click),
            name(lblFullScreen, texts::SettingsFullScreen, 88),
            value(lblFullScreenValue, 88),
            button(cmdFullScreen, texts::cmdFullScreen, ButtonsLeft, 88, 86,
                   &frmSettings::cmdFullScreen_Click),
            name(lblVolume, texts::SettingsVolume, 124),
            value(lblVolumeValue, 124),
            button(cmdVolumeDown, texts::Less, ButtonsLeft, 124, 40,
                   &frmSettings::cmdVolumeDown_Click),
            button(cmdVolumeUp, texts::More, ButtonsLeft + 46, 124, 40,
                   &frmSettings::cmdVolumeUp_Click),
            name(lblPace, texts::SettingsPace, 160),
            value(lblPaceValue, 160),
            button(cmdPace, texts::cmdFullScreen, ButtonsLeft, 160, 86,
                   &frmSettings::cmdPace_Click),
            name(lblLanguage, texts::SettingsLanguage, 196),
            button(cmdLanguage[0], "", ValueLeft, 196, 78, &frmSettings::cmdLanguage0_Click),
            button(cmdLanguage[1], "", ValueLeft + 84, 196, 78, &frmSettings::cmdLanguage1_Click),
            button(cmdLanguage[2], "", ValueLeft + 168, 196, 78, &frmSettings::cmdLanguage2_Click),
            {lblLanguageNote, ControlKind::Label, Text(texts::LanguageNextStart), NameLeft, 230,
             344, 22},
            keys(lblKeys, texts::KeysA, 28, 92),
            keys(lblKeyActions, texts::KeyActionsA, 120, 80),
            keys(lblKeys2, texts::KeysB, 208, 70),
            keys(lblKeyActions2, texts::KeyActionsB, 280, 96),
            {cmdHowToPlay, ControlKind::Button, Text(texts::CardTitle), NameLeft, 390, 100, 33,
             ui::Black, Handler(window, &frmSettings::cmdHowToPlay_Click)},
        });
}

void frmSettings::Use(const Settings& settings)
{
    settings_ = settings;
    windows_.SetZoom(std::clamp(settings.zoom, 1, windows_.LargestZoom()));
    windows_.SetFullScreen(settings.fullScreen);
    sounds_.SetVolume(settings.volume);
}

void frmSettings::Change(Settings next)
{
    if (next == settings_) return;
    Use(next);
    if (form_->IsLoaded()) ShowValues();
    if (onChanged) onChanged(settings_);
}

void frmSettings::Zoom(int zoom)
{
    // Full screen draws the largest that fits whatever the zoom; the steps
    // wait for the window.
    zoom = std::clamp(zoom, 1, windows_.LargestZoom());
    if (windows_.IsFullScreen() || zoom == windows_.Zoom()) return;
    Settings next = settings_;
    next.zoom = zoom;
    Change(next);
}

void frmSettings::Command(ui::Command command)
{
    switch (command) {
    case ui::Command::ZoomIn: Zoom(windows_.Zoom() + 1); break;
    case ui::Command::ZoomOut: Zoom(windows_.Zoom() - 1); break;
    case ui::Command::ZoomReset: Zoom(1); break;
    case ui::Command::FullScreen: cmdFullScreen_Click(); break;
    case ui::Command::Settings:
        if (form_->IsVisible()) return;
        Form_Load();
        form_->ShowModal(&main_);
        break;
    case ui::Command::Help: break;  // the main window opens the card itself
    }
}

void frmSettings::Form_Load()
{
    form_->Load();
    languages_ = ButtonOrder(texts::Languages());
    ShowValues();
}

void frmSettings::ShowValues()
{
    const int zoom = windows_.Zoom();
    const bool full = windows_.IsFullScreen();
    form_->SetText(lblZoomValue, texts::Fill(texts::ZoomTimes, {Decimal(zoom)}));
    form_->SetEnabled(cmdZoomOut, !full && zoom > 1);
    form_->SetEnabled(cmdZoomIn, !full && zoom < windows_.LargestZoom());
    form_->SetText(lblFullScreenValue, Text(full ? texts::FullScreenOn : texts::FullScreenOff));
    form_->SetText(lblVolumeValue, Decimal(settings_.volume) + "%");
    form_->SetEnabled(cmdVolumeDown, settings_.volume > 0);
    form_->SetEnabled(cmdVolumeUp, settings_.volume < 100);
    form_->SetText(
        lblPaceValue,
        Text(settings_.pace == BattlePace::Quick ? texts::PaceQuick : texts::PaceAsDesigned));
    const std::string inUse = texts::CurrentLanguage();
    const std::string& chosen = settings_.language.empty() ? inUse : settings_.language;
    for (std::size_t i = 0; i < cmdLanguage.size(); ++i) {
        const bool shown = i < languages_.size();
        form_->SetVisible(cmdLanguage[i], shown);
        if (!shown) continue;
        form_->SetText(cmdLanguage[i], languages_[i].name);
        // The one chosen is the one not to be pressed.
        form_->SetEnabled(cmdLanguage[i], languages_[i].code != chosen);
    }
    form_->SetVisible(lblLanguageNote, chosen != inUse);
}

void frmSettings::ChooseLanguage(std::size_t index)
{
    if (index >= languages_.size()) return;
    Settings next = settings_;
    next.language = languages_[index].code;
    Change(next);
}

void frmSettings::Save()
{
    if (onChanged) onChanged(settings_);
}

void frmSettings::cmdOK_Click() { form_->Unload(); }

void frmSettings::cmdPace_Click()
{
    Settings next = settings_;
    next.pace = settings_.pace == BattlePace::Quick ? BattlePace::AsDesigned : BattlePace::Quick;
    Change(next);
}

void frmSettings::cmdHowToPlay_Click()
{
    if (windows_.onCommand) windows_.onCommand(ui::Command::Help);
}

void frmSettings::cmdZoomOut_Click() { Zoom(windows_.Zoom() - 1); }

void frmSettings::cmdZoomIn_Click() { Zoom(windows_.Zoom() + 1); }

void frmSettings::cmdFullScreen_Click()
{
    Settings next = settings_;
    next.fullScreen = !windows_.IsFullScreen();
    Change(next);
}

void frmSettings::cmdVolumeDown_Click()
{
    Settings next = settings_;
    next.volume = std::max(0, (settings_.volume - 1) / VolumeStep * VolumeStep);
    Change(next);
}

void frmSettings::cmdVolumeUp_Click()
{
    Settings next = settings_;
    next.volume = std::min(100, (settings_.volume / VolumeStep + 1) * VolumeStep);
    Change(next);
}
