// The dice duel with the skeleton and the cost of every step, as numbers:
// the battle window rolls, paints and pauses around them.
#pragma once

#include "core/Numbers.h"

namespace duel {

inline constexpr int SkeletonHitPoints = 5;
inline constexpr int DieFaces = 9;  // face k shows k + 1 pips

// The bonus added to the player's die: a twentieth of his attack points and
// his weapon (none -4, club -3, knife -2, sword -1), rounded half to even.
inline Int16 FightBonus(Int16 attack, Int16 weapon)
{
    return static_cast<Int16>(RoundHalfEven(attack / 20.0 + (weapon - 4)));
}

// One throw of a die: the face shown, 0 to 8.
inline Int16 DieFace(double u) { return static_cast<Int16>(RandomDraw(DieFaces, u, 0)); }

struct Turn {
    bool playerHits;  // else the skeleton hits the player
    int damage;  // 1 to 5, to the loser of the turn
};

// One turn: the player's throw with the bonus against the skeleton's (a tie
// goes to the player), and the damage drawn after both throws.
inline Turn TurnOutcome(Int16 bonus, Int16 player, Int16 skeleton, double damageDraw)
{
    return {bonus + player >= skeleton, RandomDraw(5, damageDraw, 1)};
}

// One fight: the skeleton's hit points, whether it is over and how it
// ended. The battle window rolls, paints and pauses around it; the player's
// statistics stay Module1's and are read as they stand after each blow.
class Fight {
public:
    explicit Fight(Int16 bonus)
        : bonus_(bonus)
    {
    }
    Turn Judge(Int16 player, Int16 skeleton, double damageDraw) const
    {
        return TurnOutcome(bonus_, player, skeleton, damageDraw);
    }
    // The player's blow: below one hit point the skeleton is beaten.
    void SkeletonTakes(int damage)
    {
        hitPoints_ -= damage;
        if (hitPoints_ < 1) over_ = true;
    }
    // After the skeleton's blow: too tired or too hurt, the player has lost.
    // Only this blow ends a fight on his side, so his own blows can leave
    // him exhausted and still winning.
    void PlayerStands(Int16 attack, Int16 health)
    {
        if (attack < 1 || health < 1) {
            over_ = true;
            won_ = false;
        }
    }
    bool Over() const { return over_; }
    bool Won() const { return won_; }
    int SkeletonHitPoints() const { return hitPoints_; }

private:
    Int16 bonus_;
    int hitPoints_ = duel::SkeletonHitPoints;
    bool over_ = false;
    bool won_ = true;
};

// What a step or a battle turn costs in attack points: one with a pie in
// the pack, two without.
constexpr Int16 StepCost(Int16 pies) { return pies >= 1 ? -1 : -2; }
// Every third step eats a pie.
inline constexpr Int16 StepsPerPie = 3;

// The skeleton's purse: 5 to 9 pieces.
inline int SkeletonGold(double u) { return RandomDraw(5, u, 5); }
// After a won fight a player this tired drinks a serum if he has one.
inline constexpr Int16 SerumBelowAttack = 20;

}  // namespace duel
