// The nine wares: their prices, what each does, and the advice.
#include "core/Module1.h"
#include "core/Texts.h"
#include "sound/fake/FakeSound.h"
#include "town/Wares.h"
#include "ui/fake/FakeClock.h"
#include "ui/fake/FakeWindowSystem.h"

#include <gtest/gtest.h>

namespace {

using town::Ware;

TEST(Wares, EachWareHasItsPrice)
{
    const std::pair<Ware, int> prices[] = {
        {Ware::Pie, 10},   {Ware::Lodge, 15},  {Ware::Doctor, 15},
        {Ware::Charm, 10}, {Ware::Advice, 20}, {Ware::Brew, 80},
        {Ware::Club, 15},  {Ware::Knife, 40},  {Ware::Sword, 60}};
    for (auto [ware, price] : prices) EXPECT_EQ(town::PriceOf(ware), price);
}

TEST(Wares, OnlyLodgingAndTheDoctorDrawTheirAmounts)
{
    int draws = 0;
    const auto rnd = [&draws] {
        ++draws;
        return 0.5;
    };
    EXPECT_EQ(town::EffectOf(Ware::Lodge, rnd).attack, 22) << "21.5 rounds up to even";
    EXPECT_EQ(town::EffectOf(Ware::Doctor, rnd).health, 16) << "16.5 rounds down to even";
    EXPECT_EQ(draws, 2);
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
    ui::FakeClock clock;
    ui::FakeWindowSystem windows{clock, nullptr};
    sound::FakeSound sounds;
    Module1 stats{windows, sounds};
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
    stats.statusAction = [&warnings] { ++warnings; };
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
    EXPECT_EQ(sounds.CountOf(sound::Sound::sndCheckStats), 1);
    town::Apply(town::EffectOf(Ware::Charm, {}), stats);
    town::Apply(town::EffectOf(Ware::Brew, {}), stats);
    EXPECT_EQ(stats.Spells, 1);
    EXPECT_TRUE(stats.HasBrew);
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
