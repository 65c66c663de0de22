#include "exploration/frmDiscovery.h"

#include "core/WindowLayout.h"
#include "core/frmGorvak.h"
#include "ui/Clock.h"
#include "ui/WindowSystem.h"

frmDiscovery::frmDiscovery(frmGorvak& main)
    : form_(main.windows().CreateForm(Layout(this)))
{
}

ui::FormLayout frmDiscovery::Layout(frmDiscovery* window)
{
    return WindowLayout("frmDiscovery", 199, 220, ui::Picture::Discovery,
                        {OkButton(56, 168, ui::Handler(window, &frmDiscovery::cmdOK_Click))},
                        ui::RGB(48, 28, 16));
}

void frmDiscovery::cmdOK_Click() { form_->Unload(); }

void frmGorvak::ShowDiscovery(ui::Picture img, std::string_view Msg, bool Sound, double seconds)
{
    if (Sound) PlaySoundEffect(sound::Sound::sndDiscovery, true, false);
    ui::Form& window = DiscoveryWindow().form();
    window.Load();  // an ending notice still open is reused, button hidden
    ui::Surface& surface = window.surface();
    surface.Clear();
    window.Move(form().Left() + TwipsToPixels(1500), form().Top() + TwipsToPixels(1500));
    surface.PaintPicture(img, 68, 50);
    surface.SetCurrentXY(44, 135);
    surface.Print(Msg);
    window.ShowModeless(&form());
    const unsigned game = GameNumber();
    Delay(seconds);
    // After a restart meanwhile the window holds the new game's ending notice.
    if (game == GameNumber()) window.Unload();
}
