// What gorvak-dungeon says and draws besides the game's own dungeon
// messages: advisory notes in the game's wording, and the legend of the
// rendered map. The legend is drawn with the bundled font, whose subset only
// holds the game's characters, so its words are taken from the game's texts.
#pragma once

#include <array>
#include <string_view>

namespace tooltexts {

inline constexpr std::string_view Usage =
    "usage: gorvak-dungeon check FILE | render [--size N] FILE OUT.png | build TEXT OUT.gvk";

// Printed before each advisory note; notes never make a command fail.
inline constexpr std::string_view NotePrefix = "注意：";
inline constexpr std::string_view Accepted = "遊戲會接受這個地下城。";
inline constexpr std::string_view Refused = "遊戲無法使用這個地下城。";

// "第 A 號房間的東面有門通往第 B 號房間，但第 B 號房間沒有門回來：..."
inline constexpr std::string_view OneWayA = "面有門通往第 ";
inline constexpr std::string_view OneWayB = " 號房間，但第 ";
inline constexpr std::string_view OneWayC =
    " 號房間沒有門回來：要先從這邊走過去一次，才可以走回來。";

// Followed by a list of rooms, "第 1、2、3 號房間".
inline constexpr std::string_view UnreachableCharm =
    "由起點（第 45 "
    "號房間）走不到以下房間，只能靠符咒到達（遊戲開始時物品會洗牌，任何物品都可能落在那裡）：";
inline constexpr std::string_view UnreachableTeleport =
    "由起點（第 45 "
    "號房間）走不到以下房間，只能靠符咒或傳輸器到達（遊戲開始時物品會洗牌，任何物品都可能落在那裡）"
    "：";
inline constexpr std::string_view EmptyPlaces = "以下位置沒有房間，用符咒選中時會被拒絕：";
// "第 7 號位置沒有房間，但放了港幣：..."
inline constexpr std::string_view LostItemA = " 號位置沒有房間，但放了";
inline constexpr std::string_view LostItemB = "：洗牌不會移動它，遊戲中永遠不會遇到。";
inline constexpr std::string_view StartItemA = "起點（第 45 號房間）放了";
inline constexpr std::string_view StartItemB = "：洗牌不會移動它，要離開再回來才會遇到。";
inline constexpr std::string_view NoFinal =
    "地下城裡沒有《Zorvath》（物品 7）：遊戲無法打勝，提示會指向第 0 號房間。";
// "地下城裡有 3 個《Zorvath》（第 4、5、6 號房間）：..."
inline constexpr std::string_view ManyFinalA = "地下城裡有 ";
inline constexpr std::string_view ManyFinalB = " 個《Zorvath》（";
inline constexpr std::string_view ManyFinalC = "）：洗牌後提示只會指向編號最大的一個。";

inline constexpr std::string_view ListRoomA = "第 ";
inline constexpr std::string_view ListSeparator = "、";
inline constexpr std::string_view ListRoomB = " 號房間";
inline constexpr std::string_view ListPlaceB = " 號位置";

// Item names by item code, 1 to 7.
inline constexpr std::array<std::string_view, 8> ItemNames = {
    "", "血漿", "符咒", "港幣", "Krellik", "PIZZA外賣仔", "遠距離傳輸器", "《Zorvath》"};

// The legend of the rendered map, by item code; 0 is the start marker.
inline constexpr std::array<std::string_view, 8> LegendNames = {
    "起點", "血漿", "符咒", "港幣", "Krellik", "PIZZA外賣仔", "傳輸器", "《Zorvath》"};

}  // namespace tooltexts
