// The town's wares, one row each: which department sells it on which shelf,
// its button, its price, what it does and what the counter says after. The
// departments' buttons, price cards and purchases all read these rows, by
// ware; a new ware is a new row (with its texts, and a card in its
// department's picture).
#pragma once

#include "core/Numbers.h"
#include "core/Texts.h"

#include <array>
#include <functional>
#include <stdexcept>
#include <string_view>

class Module1;

namespace town {

enum class Ware { Pie, Lodge, Doctor, Charm, Advice, Brew, Club, Knife, Sword };
enum class Department { Health, Magic, Weapons };

// What a paid ware changes.
struct Effect {
    Int16 pies = 0;
    Int16 attack = 0;
    Int16 health = 0;
    Int16 spells = 0;
    bool brew = false;
    Int16 weapon = 0;  // 0 leaves the weapon carried as it is
    // The attack or health given is this plus a uniform draw, rounded half
    // to even: 21 gives 21 or 22.
    bool drawn = false;
};

// What the counter says once the ware is handed over.
struct Message {
    enum class Says { Nothing, Text, AttackGiven, HealthGiven, Advice };
    Says says = Says::Nothing;
    // The text; before the amount given, a blank line and "增加".
    const texts::Text* text = nullptr;
    const texts::Text* suffix = nullptr;  // after the amount given
};

struct WareRow {
    Ware ware;
    Department department;
    int shelf;  // 0 the left one
    std::string_view button;  // the control's name
    texts::Text caption;
    Int16 price;
    Effect effect;
    Message message;
};

using Says = Message::Says;

inline constexpr std::array Wares = {
    WareRow{Ware::Pie, Department::Health, 0, "cmdPie", texts::cmdPie, 10, {.pies = 5}, {}},
    WareRow{Ware::Lodge,
            Department::Health,
            1,
            "cmdLodge",
            texts::cmdLodge,
            15,
            {.attack = 21, .drawn = true},
            {Says::AttackGiven, &texts::Lodged, &texts::LodgeSuffix}},
    WareRow{Ware::Doctor,
            Department::Health,
            2,
            "cmdDoctor",
            texts::cmdDoctor,
            15,
            {.health = 16, .drawn = true},
            {Says::HealthGiven, &texts::Doctored, &texts::DoctorSuffix}},
    WareRow{
        Ware::Charm, Department::Magic, 0, "cmdSpell", texts::cmdMagicSpell, 10, {.spells = 1}, {}},
    WareRow{Ware::Advice,
            Department::Magic,
            1,
            "cmdAdvice",
            texts::cmdAdvice,
            20,
            {},
            {Says::Advice, &texts::AdvicePrefix, &texts::AdviceSuffix}},
    WareRow{Ware::Brew,
            Department::Magic,
            2,
            "cmdBrew",
            texts::cmdBrew,
            80,
            {.brew = true},
            {Says::Text, &texts::HaveBrew}},
    WareRow{Ware::Club, Department::Weapons, 0, "cmdClub", texts::cmdClub, 15, {.weapon = 1}, {}},
    WareRow{
        Ware::Knife, Department::Weapons, 1, "cmdKnife", texts::cmdKnife, 40, {.weapon = 2}, {}},
    WareRow{
        Ware::Sword, Department::Weapons, 2, "cmdSword", texts::cmdSword, 60, {.weapon = 3}, {}},
};

constexpr const WareRow& Row(Ware w)
{
    for (const WareRow& row : Wares) {
        if (row.ware == w) return row;
    }
    throw std::invalid_argument("a ware without a row");
}

// One row per ware, one ware per shelf.
constexpr bool RowsAreUnique()
{
    for (std::size_t i = 0; i < Wares.size(); ++i) {
        for (std::size_t j = i + 1; j < Wares.size(); ++j) {
            if (Wares[i].ware == Wares[j].ware) return false;
            if (Wares[i].department == Wares[j].department && Wares[i].shelf == Wares[j].shelf)
                return false;
        }
    }
    return true;
}
static_assert(RowsAreUnique());

constexpr Int16 PriceOf(Ware w) { return Row(w).price; }

// The effect of one sale, with its amount drawn where the row says so (one
// draw, and only then).
Effect EffectOf(Ware w, const std::function<double()>& rnd);

// Hands the ware over. Limited statistics change through Module1's adders,
// which warn when one ends low.
void Apply(const Effect& effect, Module1& stats);

// Which way the final monster lies from the player, as the advice tells it:
// north or south only when they share a column, otherwise east or west.
enum class Bearing { North, East, South, West };
Bearing Advice(Int16 gorvakRoom, Int16 currentRoom);

}  // namespace town
