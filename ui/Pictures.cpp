#include "ui/Pictures.h"

#include <array>

namespace ui {
namespace {

constexpr std::array<PictureInfo, PictureCount> kPictures = {{
    {"Gorvak.png", 640, 480},    {"Room00.png", 32, 32},    {"Room01.png", 32, 32},
    {"Room02.png", 32, 32},      {"Room03.png", 32, 32},    {"Room04.png", 32, 32},
    {"Room05.png", 32, 32},      {"Room06.png", 32, 32},    {"Room07.png", 32, 32},
    {"Room08.png", 32, 32},      {"Room09.png", 32, 32},    {"Room10.png", 32, 32},
    {"Room11.png", 32, 32},      {"Room12.png", 32, 32},    {"Room13.png", 32, 32},
    {"Room14.png", 32, 32},      {"Hall0.png", 32, 26},     {"Hall1.png", 26, 32},
    {"Dice0.png", 32, 32},       {"Dice1.png", 32, 32},     {"Dice2.png", 32, 32},
    {"Dice3.png", 32, 32},       {"Dice4.png", 32, 32},     {"Dice5.png", 32, 32},
    {"Dice6.png", 32, 32},       {"Dice7.png", 32, 32},     {"Dice8.png", 32, 32},
    {"Skeleton0.png", 69, 64},   {"Skeleton1.png", 69, 64}, {"Skeleton2.png", 69, 64},
    {"Skeleton3.png", 69, 64},   {"Gold.png", 64, 64},      {"Spell.png", 64, 64},
    {"Serum.png", 64, 64},       {"Thief.png", 64, 64},     {"Teleport.png", 64, 64},
    {"Gorvak0.png", 54, 44},     {"Gorvak1.png", 55, 44},   {"Status.png", 202, 236},
    {"Discovery.png", 199, 220}, {"Battle.png", 201, 281},  {"Shoppe.png", 252, 221},
    {"Health.png", 252, 221},    {"Magic.png", 251, 221},   {"Weapons.png", 252, 221},
    {"Settings.png", 400, 434},  {"Card.png", 640, 552},
}};

}  // namespace

const PictureInfo& InfoOf(Picture p) { return kPictures.at(static_cast<std::size_t>(p)); }

}  // namespace ui
