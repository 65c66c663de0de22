#include "combat/frmBattle.h"
#include "core/Texts.h"
#include "core/frmGorvak.h"

void frmGorvak::FightSkeleton()
{
    const auto Modifier =
        static_cast<Int16>(RoundHalfEven(stats.Attack / 20.0 + (stats.Weapon - 4)));
    const bool won = DoBattle(Modifier);
    if (!won) {
        Battle().form().Unload();
        Dead();
        return;
    }
    // The pauses below leave the map live: if the player walks to his death
    // or to the final monster meanwhile, the reward belongs to the old game.
    const unsigned game = GameNumber();
    Delay(2.0);
    Battle().form().Unload();
    if (game != GameNumber()) return;
    if (stats.Attack < 20 && stats.Serum > 0) DrinkSerum();
    const int N = Draw(5, Rnd(), 5);
    ShowDiscovery(ui::Picture::Gold, Decimal(N) + std::string(texts::GoldSuffix), true);
    if (game != GameNumber()) return;
    stats.Gold = SatAdd(stats.Gold, N);
}
