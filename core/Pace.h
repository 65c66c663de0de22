// How long a skeleton encounter lets the player watch: every dice throw,
// pause and notice as the game was made, or quickly for those who have seen
// enough dice. The pace changes only how long each pause lasts; the draws,
// the sounds started and the outcome are the same at either.
#pragma once

enum class BattlePace { AsDesigned, Quick };

// A pause of `seconds` at the pace chosen. A quarter keeps the dice visibly
// rolling (a face every 25 ms) and the notices readable for half a second.
constexpr double FightPause(double seconds, BattlePace pace)
{
    return pace == BattlePace::Quick ? seconds / 4 : seconds;
}
