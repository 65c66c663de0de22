#include "core/Texts.h"
#include "core/frmGorvak.h"
#include "exploration/frmDiscovery.h"

namespace {

struct Notice {
    ui::Picture portrait;
    std::string_view lines[3];
    int x[3];
};

constexpr int kLineY[3] = {135, 155, 175};

// A notice always starts on a fresh window: an older notice or a find still
// showing is closed first, so the lines never land on another picture.
ui::Form& DrawNotice(frmGorvak& game, const Notice& notice)
{
    ui::Form& window = game.Discovery().form();
    window.Unload();
    window.Load();
    window.SetVisible("cmdOK", false);
    window.Move(game.form().Left() + Twips(1500), game.form().Top() + Twips(1500));
    ui::Surface& surface = window.surface();
    surface.PaintPicture(notice.portrait, 68, 50);
    for (int i = 0; i < 3; ++i) {
        surface.SetCurrentXY(notice.x[i], kLineY[i]);
        surface.Print(notice.lines[i]);
    }
    return window;
}

}  // namespace

void frmGorvak::FoundGorvak()
{
    const Notice victory{ui::Picture::Gorvak0,
                         {texts::VictoryLine1, texts::VictoryLine2, texts::VictoryLine3},
                         {22, 20, 20}};
    const Notice defeat{ui::Picture::Gorvak1,
                        {texts::DefeatLine1, texts::DefeatLine2, texts::DefeatLine3},
                        {22, 20, 20}};
    PlaySoundEffect(stats.HasBrew ? sound::Sound::sndGorvak2 : sound::Sound::sndGorvak, true,
                    false);
    DrawNotice(*this, stats.HasBrew ? victory : defeat).ShowModeless(&form());
    form().surface().PaintPicture(ui::Picture::Gorvak, 0, 0);
    InitGame();
}

void frmGorvak::Dead()
{
    const Notice death{ui::Picture::Gorvak1,
                       {texts::DeathLine1, texts::DeathLine2, texts::DeathLine3},
                       {26, 24, 24}};
    PlaySoundEffect(sound::Sound::sndGorvak, false, false);
    DrawNotice(*this, death).ShowModal(&form());
    form().surface().PaintPicture(ui::Picture::Gorvak, 0, 0);
    InitGame();
}
