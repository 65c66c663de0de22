// Every text the game shows, in one place, so that the bundled font can be
// checked against all of them and a wording fix never hunts through the code.
// Blanks, full-width characters and line breaks are part of each text.
#pragma once

#include <array>
#include <string_view>

namespace texts {

inline constexpr std::string_view Caption = "PELLAMORN的一生外傳[RPG版]";
inline constexpr std::string_view MessageBoxCaption = "Gorvak";

// Main window
inline constexpr std::string_view cmdShop = "裝　備";
inline constexpr std::string_view cmdSpell = "使用符咒";
inline constexpr std::string_view cmdStatus = "Pellamorn的 \r\n狀況";
inline constexpr std::string_view cmdQuit = "退出";
inline constexpr std::string_view Label1 = "PELLAMORN的一生外傳[RPG版]";
inline constexpr std::string_view lblVersion = "遊戲版本:V1.1版";
inline constexpr std::string_view lblDisclaimer =
    "警告: 本Varnel公司此製作所有以現實無關,如有相同,敬請原諒";
inline constexpr std::string_view Label2 = "Varnel公司 出品 ‧ 程式、美術及音效";
inline constexpr std::string_view lblDescription =
    "呢個遊戲講述PELLAMORN嘅一生，係一個角色扮演遊戲。";

// Shared by several windows
inline constexpr std::string_view OK = "確定";
inline constexpr std::string_view NotEnoughMoney = "你的錢不夠！";

// Exploration
inline constexpr std::string_view NoExit = "你無法進入呢個房間！";
inline constexpr std::string_view GoldSuffix = " 個港幣！";
inline constexpr std::string_view FoundSpell = "       一個對付Krellik符咒！";
inline constexpr std::string_view FoundSerum = "     　一瓶血漿！";
inline constexpr std::string_view FoundThief = "   ＊PIZZA外賣仔＊ ！！!";
inline constexpr std::string_view FoundTeleport = "一個遠距離傳輸器！";
inline constexpr std::string_view FoundSkeleton = "  　　撞到Krellik!";
inline constexpr std::string_view DrankSerum = "你喝左一瓶血漿！";
inline constexpr std::string_view SerumPlus = "+";
inline constexpr std::string_view SerumSuffix = " 攻擊力點數！";
inline constexpr std::string_view NoCharm = "你冇對付『飛虎隊咸豬手–Krellik』符咒可用！";
inline constexpr std::string_view ChooseRoom = "請點按你要去的房間！";

// Status window
inline constexpr std::string_view StatusTitle = "         Pellamorn的狀況 \r\n";
inline constexpr std::array<std::string_view, 8> StatusLabels = {
    "生命值: ",
    "攻擊力: ",
    "餡餅: ",
    "港幣: ",
    "對付Krellik符咒: ",
    "血漿: ",
    "對付《Zorvath》的東西: ",
    "武器: ",
};

// Combat
inline constexpr std::string_view BonusLine = "攻擊力增加了 ";
inline constexpr std::string_view VictoryLine1 = "你找到了《Zorvath》,";
inline constexpr std::string_view VictoryLine2 = "     並殺了《Zorvath》！";
inline constexpr std::string_view VictoryLine3 = "    和《Zorvath》！";
inline constexpr std::string_view DefeatLine1 = "你找到了《Zorvath》,";
inline constexpr std::string_view DefeatLine2 = "但《Zorvath》唔高興!";
inline constexpr std::string_view DefeatLine3 = "嗚．．．．．．．";
inline constexpr std::string_view DeathLine1 = "你死硬啦！";
inline constexpr std::string_view DeathLine2 = "做左";
inline constexpr std::string_view DeathLine3 = "《Zorvath》的美食！";

// Town
inline constexpr std::string_view cmdHealth = "健康部";
inline constexpr std::string_view cmdMagic = "魔法部";
inline constexpr std::string_view cmdWeapon = "武器部";
inline constexpr std::string_view cmdPie = "買餡餅";
inline constexpr std::string_view cmdLodge = "住　宿";
inline constexpr std::string_view cmdDoctor = "看醫生";
inline constexpr std::string_view Lodged = "你已經好好地休息了一成晚！";
inline constexpr std::string_view Added = "增加";
inline constexpr std::string_view LodgeSuffix = " 點攻擊力！";
inline constexpr std::string_view Doctored = "醫生已經醫好左你！";
inline constexpr std::string_view DoctorSuffix = " 點生命值！";
inline constexpr std::string_view cmdMagicSpell = "符　咒";
inline constexpr std::string_view cmdAdvice = "建　議";
inline constexpr std::string_view cmdBrew = "對付Zorvath的東西";
inline constexpr std::string_view AdvicePrefix = "《Zorvath》 在你的 ";
inline constexpr std::string_view AdviceSuffix = "邊！";
inline constexpr std::string_view North = "北";
inline constexpr std::string_view South = "南";
inline constexpr std::string_view West = "西";
inline constexpr std::string_view East = "東";
inline constexpr std::string_view HaveBrew = "你已有對付《Zorvath》 的東西啦!";
inline constexpr std::string_view cmdClub = "木　棍";
inline constexpr std::string_view cmdKnife = "小　刀";
inline constexpr std::string_view cmdSword = "劍";
// After a ware's price in decimal, on its shelf card: "10 港幣".
inline constexpr std::string_view PriceTagSuffix = " 港幣";

// Start-up failures
inline constexpr std::string_view SoundInitFailed = "初始化音效失敗！";
inline constexpr std::string_view SoundFileMissing = "無法找到音效檔案！";
inline constexpr std::string_view PicturesMissing = "無法載入遊戲圖像，請重新安裝遊戲！";
inline constexpr std::string_view UnexpectedError = "遊戲發生意外錯誤，必須結束！";

// A dungeon file the game refuses. The pieces are joined with the file's
// name as the player gave it (DefaultDungeon when none), room numbers and
// codes in decimal; the whole message ends with DungeonEnd.
inline constexpr std::string_view DefaultDungeon = "Dungeon.gvk";
inline constexpr std::string_view DungeonMissingA = "無法開啟地下城檔案「";
inline constexpr std::string_view DungeonMissingB = "」！";
inline constexpr std::string_view DungeonShortA = "地下城檔案「";
inline constexpr std::string_view DungeonShortB = "」太短：需要 320 位元組，但只有 ";
inline constexpr std::string_view DungeonShortC = " 位元組。";
inline constexpr std::string_view DungeonRoom = "第 ";
inline constexpr std::string_view DungeonRoomB = " 號房間";
inline constexpr std::string_view DungeonBadShapeA = "的形狀編號 ";
inline constexpr std::string_view DungeonBadShapeB = " 不正確（應為 0 至 15）。";
inline constexpr std::string_view DungeonBadItemA = "的物品編號 ";
inline constexpr std::string_view DungeonBadItemB = " 不正確（應為 0 至 7）。";
inline constexpr std::string_view DungeonNoStart = "是起點，但該處沒有房間。";
inline constexpr std::string_view DungeonDoorOffMapA = "的";
inline constexpr std::string_view DungeonDoorOffMapB = "面有門通往地圖以外。";
inline constexpr std::string_view DungeonDoorEmptyA = "面有門通往沒有房間的第 ";
inline constexpr std::string_view DungeonDoorEmptyB = " 號位置。";
inline constexpr std::string_view DungeonMore = "……";
inline constexpr std::string_view DungeonEnd = "\r\n\r\n遊戲無法開始。";

// The command line, answered on standard output or error before any window.
inline constexpr std::string_view Usage = "Usage: gorvak [OPTIONS] [FILE]";
inline constexpr std::string_view About =
    "Play PELLAMORN's dungeon game. With FILE, a dungeon file (a path or a file://\n"
    "URI), play that dungeon instead of the game's own; it is read again at the\n"
    "start of every game.";
inline constexpr std::string_view HelpOption = "show this help and exit";
inline constexpr std::string_view VersionOption = "show the version and the licence and exit";
inline constexpr std::string_view HelpEnd =
    "Qt's own options, such as -platform NAME and -reverse, work too.\n"
    "gorvak-dungeon makes, checks and draws dungeon files; see gorvak(6).";
inline constexpr std::string_view Licence =
    "Copyright (C) 2026 Varnel\n"
    "License GPL-3.0-or-later: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n"
    "The bundled font, Noto Sans CJK HK, is under the SIL Open Font License 1.1.";
// An error is one line: "gorvak: " + what + SeeHelp.
inline constexpr std::string_view SeeHelp = " See 'gorvak --help'.";
inline constexpr std::string_view OneDungeonOnly = "One dungeon file at a time.";
inline constexpr std::string_view EmptyDungeonName = "The dungeon file's name is empty.";
inline constexpr std::string_view NotALocalFile = ": not a file on this computer.";

}  // namespace texts
