#include "combat/frmBattle.h"

#include "combat/Duel.h"
#include "core/Texts.h"
#include "core/WindowLayout.h"
#include "core/frmGorvak.h"
#include "ui/WindowSystem.h"

frmBattle::frmBattle(frmGorvak& main)
    : main_(main),
      form_(main.windows().CreateForm(Layout(this)))
{
    form_->onQueryUnload = [this] { return Form_QueryUnload(); };
}

ui::FormLayout frmBattle::Layout(frmBattle* window)
{
    // Dark ink: the bonus line sits on the scene's parchment panel.
    return WindowLayout("frmBattle", 202, 281, ui::Picture::Battle,
                        {OkButton(56, 232, ui::Handler(window, &frmBattle::cmdOK_Click))},
                        ui::RGB(48, 28, 16));
}

void frmBattle::cmdOK_Click() { form_->Unload(); }

bool frmBattle::Form_QueryUnload() { return main_.Battling; }

ui::Surface& frmBattle::BeginFight(Int16 Modifier)
{
    // A skeleton met during the last fight's closing pause finds this
    // window still up: start afresh, not over the old dice and bonus.
    form_->Unload();
    form_->Load();
    form_->Move(main_.form().Left() + TwipsToPixels(1500),
                main_.form().Top() + TwipsToPixels(1000));
    form_->SetEnabled(cmdOK, false);
    form_->ShowModeless(&main_.form());
    ui::Surface& surface = form_->surface();
    surface.SetCurrentXY(58, 200);
    surface.Print(std::string(texts::BonusLine) + Decimal(Modifier));
    return surface;
}

void frmBattle::EndFight()
{
    form_->SetEnabled(cmdOK, true);
    form_->surface().PaintPicture(ui::imgSkeleton(3), 68, 50);
}

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
    int skeleton = duel::SkeletonHitPoints;
    bool outcome = true;
    Battling = true;
    while (Battling) {
        const Int16 P = RollDice(48, 155);
        FightDelay(0.5);
        const Int16 S = RollDice(117, 155);
        const duel::Turn turn = duel::TurnOutcome(Modifier, P, S, Rnd());
        // Fighting tires like walking, in every turn, the last one too.
        stats.AddAttack(duel::StepCost(stats.Pies));
        if (turn.playerHits) {
            PlaySoundEffect(sound::Sound::sndSkeletonHit, false, false);
            surface.PaintPicture(ui::imgSkeleton(2), 68, 50);
            FightDelay(1.0);
            skeleton -= turn.damage;
            if (skeleton < 1) Battling = false;
        } else {
            PlaySoundEffect(sound::Sound::sndPlayerHit, false, false);
            surface.PaintPicture(ui::imgSkeleton(1), 68, 50);
            stats.AddHealth(static_cast<Int16>(-turn.damage));
            FightDelay(1.0);
            if (stats.Attack < 1 || stats.Health < 1) {
                Battling = false;
                outcome = false;
            }
        }
        if (Battling) surface.PaintPicture(ui::imgSkeleton(0), 68, 50);
    }
    BattleWindow().EndFight();
    ToggleButtons(true);
    return outcome;
}
