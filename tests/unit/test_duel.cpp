// The dice duel and the cost of a step, as numbers.
#include "combat/Duel.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(Duel, AttackAndWeaponGiveTheBonusRoundedHalvesToEven)
{
    // attack, weapon, bonus
    for (auto [attack, weapon, bonus] : {std::tuple(100, 0, 1),
                                         {100, 3, 4},
                                         {99, 0, 1},
                                         {60, 2, 1},
                                         {10, 0, -4},
                                         {30, 0, -2},
                                         {50, 0, -2},
                                         {70, 0, 0},
                                         {90, 0, 0},
                                         {10, 1, -2},
                                         {30, 1, -2}}) {
        EXPECT_EQ(duel::FightBonus(static_cast<Int16>(attack), static_cast<Int16>(weapon)), bonus)
            << attack << " with weapon " << weapon;
    }
}

TEST(Duel, ATieGoesToThePlayerAndTheDamageIsOneToFive)
{
    EXPECT_TRUE(duel::TurnOutcome(0, 4, 4, 0.0).playerHits);
    EXPECT_TRUE(duel::TurnOutcome(1, 3, 4, 0.0).playerHits);
    EXPECT_FALSE(duel::TurnOutcome(-1, 4, 4, 0.0).playerHits);
    EXPECT_EQ(duel::TurnOutcome(0, 0, 0, 0.0).damage, 1);
    EXPECT_EQ(duel::TurnOutcome(0, 0, 0, 0.9999).damage, 5);
}

TEST(Duel, AFightEndsWhenTheSkeletonFallsBelowOneOrAfterABlowTheHeroCannotStand)
{
    duel::Fight won(1);
    EXPECT_TRUE(won.Judge(3, 4, 0.0).playerHits) << "the fight's bonus counts";
    won.SkeletonTakes(4);
    EXPECT_FALSE(won.Over());
    won.SkeletonTakes(1);
    EXPECT_TRUE(won.Over());
    EXPECT_TRUE(won.Won());
    EXPECT_EQ(won.SkeletonHitPoints(), 0);

    duel::Fight lost(0);
    lost.PlayerStands(1, 1);
    EXPECT_FALSE(lost.Over());
    lost.PlayerStands(0, 50);
    EXPECT_TRUE(lost.Over());
    EXPECT_FALSE(lost.Won());
    duel::Fight hurt(0);
    hurt.PlayerStands(100, 0);
    EXPECT_FALSE(hurt.Won());
}

TEST(Duel, DiceShowNineFaces)
{
    EXPECT_EQ(duel::DieFace(0.0), 0);
    EXPECT_EQ(duel::DieFace(0.9999), 8);
    EXPECT_EQ(duel::DieFace(4.5 / 9), 4);
}

TEST(Duel, AStepCostsOneWithAPieAndTwoWithout)
{
    EXPECT_EQ(duel::StepCost(1), -1);
    EXPECT_EQ(duel::StepCost(7), -1);
    EXPECT_EQ(duel::StepCost(0), -2);
    EXPECT_EQ(duel::StepsPerPie, 3);
}

TEST(Duel, TheSkeletonPaysFiveToNine)
{
    EXPECT_EQ(duel::SkeletonGold(0.0), 5);
    EXPECT_EQ(duel::SkeletonGold(0.9999), 9);
}

}  // namespace
