// The main window's fights and endings: a step's cost, the skeleton met in a
// room, the final monster, and death.
#include "combat/Duel.h"
#include "combat/frmBattle.h"
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
    ui::Form& window = game.DiscoveryWindow().form();
    window.Unload();
    window.Load();
    window.SetVisible(frmDiscovery::cmdOK, false);
    window.Move(game.form().Left() + TwipsToPixels(1500), game.form().Top() + TwipsToPixels(1500));
    ui::Surface& surface = window.surface();
    surface.PaintPicture(notice.portrait, 68, 50);
    for (int i = 0; i < 3; ++i) {
        surface.SetCurrentXY(notice.x[i], kLineY[i]);
        surface.Print(notice.lines[i]);
    }
    return window;
}

}  // namespace

bool frmGorvak::UpdateStats()
{
    stats.AddAttack(duel::StepCost(stats.Pies));
    if (stats.Attack >= 1) {
        stats.PieSteps = SatAdd(stats.PieSteps, 1);
        if (stats.PieSteps == duel::StepsPerPie) {
            stats.AddPies(-1);
            stats.PieSteps = 0;
        }
        return true;
    }
    Dead();
    return false;
}

void frmGorvak::FightSkeleton()
{
    const bool won = DoBattle(duel::FightBonus(stats.Attack, stats.Weapon));
    if (!won) {
        BattleWindow().form().Unload();
        Dead();
        return;
    }
    // The pauses below leave the map live: if the player walks to his death
    // or to the final monster meanwhile, the reward belongs to the old game.
    const unsigned game = GameNumber();
    FightDelay(2.0);
    BattleWindow().form().Unload();
    if (game != GameNumber()) return;
    if (stats.Attack < duel::SerumBelowAttack && stats.Serum > 0) DrinkSerum();
    const int N = duel::SkeletonGold(Rnd());
    ShowDiscovery(ui::Picture::Gold, Decimal(N) + std::string(texts::GoldSuffix), true,
                  FightPause(2, Pace));
    if (game != GameNumber()) return;
    stats.Gold = SatAdd(stats.Gold, N);
}

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
