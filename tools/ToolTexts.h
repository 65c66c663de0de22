// What gorvak-dungeon says and draws besides the game's own dungeon
// messages: advisory notes in the game's wording, and the legend of the
// rendered map. The legend is drawn with the bundled font, whose subset
// holds the characters of every text marked here and in core/Texts.h.
#pragma once

#include "core/Texts.h"

#include <array>
#include <string_view>

namespace tooltexts {

using texts::Text;
using texts::Tr;

// Command-line syntax and diagnostics stay in English, as the manual pages.
inline constexpr std::string_view Usage =
    "usage: gorvak-dungeon check FILE | render [--size N] FILE OUT.png | build TEXT OUT.gvk";

//: Before each advisory note; notes never make a command fail.
inline constexpr Text NotePrefix = Tr("Dungeon tool", "注意：");
inline constexpr Text Accepted = Tr("Dungeon tool", "遊戲會接受這個地下城。");
inline constexpr Text Refused = Tr("Dungeon tool", "遊戲無法使用這個地下城。");

//: %1 and %3: room numbers; %2: a side (as in the dungeon file's messages).
inline constexpr Text OneWay = Tr("Dungeon tool",
                                  "第 %1 號房間的%2面有門通往第 %3 號房間，但第 %3 "
                                  "號房間沒有門回來：要先從這邊走過去一次，才可以走回來。");

//: %1: a list of room numbers, joined by ListSeparator.
inline constexpr Text UnreachableCharm =
    Tr("Dungeon tool",
       "由起點（第 45 號房間）走不到以下房間，只能靠符咒到達"
       "（遊戲開始時物品會洗牌，任何物品都可能落在那裡）：第 %1 號房間。");
//: %1: a list of room numbers, joined by ListSeparator.
inline constexpr Text UnreachableTeleport =
    Tr("Dungeon tool",
       "由起點（第 45 號房間）走不到以下房間，只能靠符咒或傳輸器到達"
       "（遊戲開始時物品會洗牌，任何物品都可能落在那裡）：第 %1 號房間。");
//: %1: a list of place numbers, joined by ListSeparator.
inline constexpr Text EmptyPlaces =
    Tr("Dungeon tool", "以下位置沒有房間，用符咒選中時會被拒絕：第 %1 號位置。");
//: %1: a place's number; %2: an item's name (ItemNames).
inline constexpr Text LostItem =
    Tr("Dungeon tool", "第 %1 號位置沒有房間，但放了%2：洗牌不會移動它，遊戲中永遠不會遇到。");
//: %1: an item's name (ItemNames).
inline constexpr Text StartItem =
    Tr("Dungeon tool", "起點（第 45 號房間）放了%1：洗牌不會移動它，要離開再回來才會遇到。");
inline constexpr Text NoFinal =
    Tr("Dungeon tool", "地下城裡沒有《Zorvath》（物品 7）：遊戲無法打勝，提示會指向第 0 號房間。");
//: %1: how many (2 or more); %2: a list of room numbers, joined by ListSeparator.
inline constexpr Text ManyFinal =
    Tr("Dungeon tool",
       "地下城裡有 %1 個《Zorvath》（第 %2 號房間）：洗牌後提示只會指向編號最大的一個。");
inline constexpr Text ListSeparator = Tr("Dungeon tool", "、");

//: Item names by item code, 1 to 7, as the notes put them in.
inline constexpr std::array<Text, 8> ItemNames = {
    Text("Dungeon tool", ""),           Tr("Dungeon tool", "血漿"),
    Tr("Dungeon tool", "符咒"),         Tr("Dungeon tool", "港幣"),
    Tr("Dungeon tool", "Krellik"),      Tr("Dungeon tool", "PIZZA外賣仔"),
    Tr("Dungeon tool", "遠距離傳輸器"), Tr("Dungeon tool", "《Zorvath》"),
};

//: The legend of the rendered map, by item code; 0 is the start marker.
//: Each has about 120 pixels.
inline constexpr std::array<Text, 8> LegendNames = {
    Tr("Map legend", "起點"),   Tr("Map legend", "血漿"),        Tr("Map legend", "符咒"),
    Tr("Map legend", "港幣"),   Tr("Map legend", "Krellik"),     Tr("Map legend", "PIZZA外賣仔"),
    Tr("Map legend", "傳輸器"), Tr("Map legend", "《Zorvath》"),
};

}  // namespace tooltexts
