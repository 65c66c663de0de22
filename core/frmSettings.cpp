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
        return ui::ControlLayout{control, ControlKind::Label, Text(text), left, 242, width, 90};
    };
    // The tab order starts at 確定, so that Enter closes the window as it
    // closes the game's others.
    return WindowLayout(
        "frmSettings", 400, 380, ui::Picture::Settings,
        {
            OkButton(295, 336, Handler(window, &frmSettings::cmdOK_Click)),
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
            keys(lblKeys, texts::KeysA, 28, 92),
            keys(lblKeyActions, texts::KeyActionsA, 120, 80),
            keys(lblKeys2, texts::KeysB, 208, 70),
            keys(lblKeyActions2, texts::KeyActionsB, 280, 96),
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
    }
}

void frmSettings::Form_Load()
{
    form_->Load();
    ShowValues();
}

void frmSettings::ShowValues()
{
    const int zoom = windows_.Zoom();
    const bool full = windows_.IsFullScreen();
    form_->SetText(lblZoomValue, Decimal(zoom) + Text(texts::ZoomTimes));
    form_->SetEnabled(cmdZoomOut, !full && zoom > 1);
    form_->SetEnabled(cmdZoomIn, !full && zoom < windows_.LargestZoom());
    form_->SetText(lblFullScreenValue, Text(full ? texts::FullScreenOn : texts::FullScreenOff));
    form_->SetText(lblVolumeValue, Decimal(settings_.volume) + "%");
    form_->SetEnabled(cmdVolumeDown, settings_.volume > 0);
    form_->SetEnabled(cmdVolumeUp, settings_.volume < 100);
}

void frmSettings::cmdOK_Click() { form_->Unload(); }

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
