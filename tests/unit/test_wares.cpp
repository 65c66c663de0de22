// The wares' table: prices, what each does, the amounts drawn, and the advice.
#include "core/Module1.h"
#include "town/Wares.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using town::Ware;

TEST(Wares, EachWareHasItsShelfAndPrice)
{
    using town::Department;
    const std::tuple<Ware, Department, int, int> rows[] = {
        {Ware::Pie, Department::Health, 0, 10},    {Ware::Lodge, Department::Health, 1, 15},
        {Ware::Doctor, Department::Health, 2, 15}, {Ware::Charm, Department::Magic, 0, 10},
        {Ware::Advice, Department::Magic, 1, 20},  {Ware::Brew, Department::Magic, 2, 80},
        {Ware::Club, Department::Weapons, 0, 15},  {Ware::Knife, Department::Weapons, 1, 40},
        {Ware::Sword, Department::Weapons, 2, 60}};
    for (auto [ware, department, shelf, price] : rows) {
        const town::WareRow& row = town::Row(ware);
        EXPECT_EQ(std::tuple(row.department, row.shelf, row.price),
                  std::tuple(department, shelf, price))
            << row.button;
    }
}

TEST(Wares, OnlyLodgingAndTheDoctorDrawTheirAmountsHalvesGoingToEven)
{
    int draws = 0;
    // u, the night's lodging, the doctor
    for (auto [u, lodge, doctor] : {std::tuple(0.0, 21, 16),
                                    {0.4999, 21, 16},
                                    {0.5, 22, 16},
                                    {0.5001, 22, 17},
                                    {0.9999, 22, 17}}) {
        const auto rnd = [&draws, u = u] {
            ++draws;
            return u;
        };
        EXPECT_EQ(town::EffectOf(Ware::Lodge, rnd).attack, lodge) << u;
        EXPECT_EQ(town::EffectOf(Ware::Doctor, rnd).health, doctor) << u;
    }
    EXPECT_EQ(draws, 10) << "one draw a purchase";
    for (Ware w :
         {Ware::Pie, Ware::Charm, Ware::Advice, Ware::Brew, Ware::Club, Ware::Knife, Ware::Sword}) {
        town::EffectOf(w, {});  // an empty source would throw if asked
    }
    EXPECT_EQ(town::EffectOf(Ware::Pie, {}).pies, 5);
    EXPECT_EQ(town::EffectOf(Ware::Charm, {}).spells, 1);
    EXPECT_TRUE(town::EffectOf(Ware::Brew, {}).brew);
    EXPECT_EQ(town::EffectOf(Ware::Club, {}).weapon, 1);
    EXPECT_EQ(town::EffectOf(Ware::Knife, {}).weapon, 2);
    EXPECT_EQ(town::EffectOf(Ware::Sword, {}).weapon, 3);
    const town::Effect advice = town::EffectOf(Ware::Advice, {});
    EXPECT_EQ(advice.pies + advice.attack + advice.health + advice.spells + advice.weapon, 0);
    EXPECT_FALSE(advice.brew);
}

class ApplyTest : public ::testing::Test {
protected:
    Module1 stats;
};

TEST_F(ApplyTest, AWeaponReplacesTheOneCarriedEvenABetterOne)
{
    stats.Weapon = 3;
    town::Apply(town::EffectOf(Ware::Club, {}), stats);
    EXPECT_EQ(stats.Weapon, 1);
}

TEST_F(ApplyTest, CappedValuesGoThroughTheAddersWhichWarnWhenStillLow)
{
    int warnings = 0;
    stats.tell = [&warnings](Module1::Notice) { ++warnings; };
    stats.Attack = 95;
    town::Apply(town::EffectOf(Ware::Lodge, [] { return 0.0; }), stats);
    EXPECT_EQ(stats.Attack, Module1::MaxAttack);
    stats.Health = 1;
    town::Apply(town::EffectOf(Ware::Doctor, [] { return 0.0; }), stats);
    EXPECT_EQ(stats.Health, 1 + 16);
    stats.Pies = -4;
    town::Apply(town::EffectOf(Ware::Pie, {}), stats);
    EXPECT_EQ(stats.Pies, 1);
    EXPECT_EQ(warnings, 1) << "one pie left warns";
    town::Apply(town::EffectOf(Ware::Charm, {}), stats);
    town::Apply(town::EffectOf(Ware::Brew, {}), stats);
    EXPECT_EQ(stats.Spells, 1);
    EXPECT_TRUE(stats.HasBrew);
    stats.Spells = 32767;
    town::Apply(town::EffectOf(Ware::Charm, {}), stats);
    EXPECT_EQ(stats.Spells, 32767) << "charms stop at the top";
}

TEST(Advice, NamesOneDirectionAndOnlyEastOrWestOnceTheColumnsDiffer)
{
    using town::Bearing;
    struct Case {
        int player;
        int zorvath;
        Bearing bearing;
    };
    const Case cases[] = {
        {45, 5, Bearing::North}, {45, 75, Bearing::South}, {45, 40, Bearing::West},
        {45, 49, Bearing::East}, {45, 45, Bearing::South}, {45, 14, Bearing::West},
        {45, 16, Bearing::East}, {45, 74, Bearing::West},  {45, 76, Bearing::East},
        {79, 9, Bearing::North}, {9, 79, Bearing::South},  {0, 79, Bearing::East},
        {79, 0, Bearing::West},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(town::Advice(static_cast<Int16>(c.zorvath), static_cast<Int16>(c.player)),
                  c.bearing)
            << c.player << " to " << c.zorvath;
    }
}

}  // namespace
