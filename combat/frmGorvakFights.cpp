// The main window's fights and endings: a step's cost, the dice and the
// duel, the skeleton met in a room, the final monster, and death.
#include "combat/Duel.h"
#include "combat/frmBattle.h"
#include "core/Texts.h"
#include "core/WindowLayout.h"
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
    PlaceBeside(window, game.form(), DiscoveryOffset);
    ui::Surface& surface = window.surface();
    surface.PaintPicture(notice.portrait, 68, 50);
    for (int i = 0; i < 3; ++i) {
        surface.SetCurrentXY(notice.x[i], kLineY[i]);
        surface.Print(notice.lines[i]);
    }
    return window;
}

}  // namespace

Int16 frmGorvak::RollDice(Int16 X, Int16 Y)
{
    ui::Surface& surface = BattleWindow().form().surface();
    Int16 k = 0;
    for (int pass = 0; pass < 10; ++pass) {
        PlaySoundEffect(sound::Sound::sndDice, true, false);
        k = duel::DieFace(Rnd());
        surface.PaintPicture(ui::imgDice(k), X, Y);
        FightDelay(0.1);
    }
    return k;
}

bool frmGorvak::DoBattle(Int16 Modifier)
{
    ui::Surface& surface = BattleWindow().BeginFight(Modifier);
    duel::Fight fight(Modifier);
    Battling = true;
    while (Battling) {
        const Int16 P = RollDice(48, 155);
        FightDelay(0.5);
        const Int16 S = RollDice(117, 155);
        const duel::Turn turn = fight.Judge(P, S, Rnd());
        // Fighting tires like walking, in every turn, the last one too.
        stats.AddAttack(duel::StepCost(stats.Pies));
        if (turn.playerHits) {
            PlaySoundEffect(sound::Sound::sndSkeletonHit, false, false);
            surface.PaintPicture(ui::imgSkeleton(2), 68, 50);
            FightDelay(1.0);
            fight.SkeletonTakes(turn.damage);
        } else {
            PlaySoundEffect(sound::Sound::sndPlayerHit, false, false);
            surface.PaintPicture(ui::imgSkeleton(1), 68, 50);
            stats.AddHealth(static_cast<Int16>(-turn.damage));
            FightDelay(1.0);
            fight.PlayerStands(stats.Attack, stats.Health);
        }
        if (fight.Over()) Battling = false;
        if (Battling) surface.PaintPicture(ui::imgSkeleton(0), 68, 50);
    }
    BattleWindow().EndFight();
    ToggleButtons(true);
    return fight.Won();
}

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
                  FightPause(2));
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
