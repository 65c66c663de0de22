// Every text the game shows, in one place, so that the bundled font can be
// checked against all of them and a wording fix never hunts through the code.
// Blanks, full-width characters and line breaks are part of each text.
//
// The texts are the game's own words, in Traditional Chinese; each is marked
// with Tr(context, text) for Qt's lupdate, which gathers them into the
// translations in i18n/ (a "//:" line above one is a note for translators).
// A text converts to the words of the language in use through the translator
// the program installs; with none, as in the rule and game tests, it is the
// text as written here.
#pragma once

#include <array>
#include <initializer_list>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace texts {

class Text {
public:
    consteval Text(const char* context, const char* source)
        : context_(context),
          source_(source)
    {
    }
    constexpr const char* context() const { return context_; }
    constexpr const char* source() const { return source_; }
    // In the language in use; the view stays valid to the program's end.
    std::string_view str() const;
    operator std::string_view() const { return str(); }  // NOLINT: used as a string
    friend bool operator==(const Text& text, std::string_view other) { return text.str() == other; }

private:
    const char* context_;
    const char* source_;
};

std::ostream& operator<<(std::ostream& out, const Text& text);

// The mark lupdate reads (as QT_TRANSLATE_NOOP).
consteval Text Tr(const char* context, const char* source) { return Text(context, source); }

// A whole sentence with its numbers and words put in at %1, %2 ..., so that
// each language orders them its own way.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> values);

// The language the texts are written in: Hong Kong usage.
inline constexpr std::string_view SourceLanguage = "zh_HK";

struct Language {
    std::string code;  // "zh_HK", "en", "zh_CN"
    std::string name;  // in its own script: "繁體中文", "English", "简体中文"
};

// What the program installs to put the texts into the player's language.
class Translator {
public:
    virtual ~Translator() = default;
    // The text in the language in use, or the source itself; the storage
    // lasts as long as the translator.
    virtual std::string_view Translate(const char* context, const char* source) = 0;
    // The game's own language first.
    virtual std::vector<Language> Languages() = 0;
    virtual std::string Current() = 0;
    // Takes effect for every text asked for from then on. False, and no
    // change, for a language the game does not speak.
    virtual bool Use(std::string_view code) = 0;
};

// Until the translator is taken away again (nullptr), every text goes
// through it.
void InstallTranslator(Translator* translator);

// The player's choice of language, for a settings window:
//   Languages()        every language the game speaks, its own first, each
//                      named in its own words (for a list to choose from);
//   CurrentLanguage()  the code in use ("zh_HK", "en", "zh_CN");
//   UseLanguage(code)  takes a code of Languages() or any locale's name
//                      ("en_GB", "zh_SG"); false, and no change, for one the
//                      game does not speak. With no translator installed
//                      only the texts as written are spoken.
// A window's title and captions are set when the window is built, which is
// once, at start-up; texts the game shows later (events, notices, prices,
// messages) are looked up as they are shown. So a choice made while the game
// runs takes effect at the next start: it is kept, and handed to RunGame as
// its language, as --lang is; calling UseLanguage at once would mix the two
// languages in the open windows.
std::vector<Language> Languages();
std::string CurrentLanguage();
bool UseLanguage(std::string_view code);

// ---- Every window ----------------------------------------------------------
//: The title of every game window (and the main window's headline).
inline constexpr Text Caption = Tr("Windows", "PELLAMORN的一生外傳[RPG版]");
//: The title of every message box.
inline constexpr Text MessageBoxCaption = Tr("Windows", "Gorvak");
//: The OK button of message boxes and small windows, 81 x 33 pixels.
inline constexpr Text OK = Tr("Windows", "確定");
//: This language's own name, in its own script, as a list of languages shows it.
inline constexpr Text LanguageName = Tr("Language", "繁體中文");

// ---- Main window --------------------------------------------------------------
//: Button, 81 x 33: opens the town's shops.
inline constexpr Text cmdShop = Tr("Main window", "裝　備");
//: Button, 81 x 33: arms a charm, to jump to any room.
inline constexpr Text cmdSpell = Tr("Main window", "使用符咒");
//: Button, 129 x 33, two lines: opens the hero's statistics.
inline constexpr Text cmdStatus = Tr("Main window", "Pellamorn的 \r\n狀況");
//: Button, 81 x 33.
inline constexpr Text cmdQuit = Tr("Main window", "退出");
//: The headline over the map, one line of 169 pixels.
inline constexpr Text Label1 = Tr("Windows", "PELLAMORN的一生外傳[RPG版]");
//: One line of 123 pixels, under the buttons.
inline constexpr Text lblVersion = Tr("Main window", "遊戲版本:V1.1版");
//: Two short lines, 249 pixels wide, under the buttons; the tongue-in-cheek
//: disclaimer of a homemade game, grammar slips and all.
inline constexpr Text lblDisclaimer =
    Tr("Main window", "警告: 本Varnel公司此製作所有以現實無關,如有相同,敬請原諒");
//: One line of 257 pixels, under the buttons.
inline constexpr Text Label2 = Tr("Main window", "Varnel公司 出品 ‧ 程式、美術及音效");
//: Two lines, 253 pixels wide, in the top-left corner.
inline constexpr Text lblDescription =
    Tr("Main window", "呢個遊戲講述PELLAMORN嘅一生，係一個角色扮演遊戲。");

// ---- Shared by several windows ---------------------------------------------------
//: A purchase the hero's money does not cover.
inline constexpr Text NotEnoughMoney = Tr("Town", "你的錢不夠！");

// ---- Exploration ----------------------------------------------------------------
// The finds are drawn from x = 44 in a window 199 pixels wide, under the
// find's picture; the blanks in front centre them.
//: A wall where the player tried to walk.
inline constexpr Text NoExit = Tr("Exploration", "你無法進入呢個房間！");
//: After the amount found, 2 to 4: "3 個港幣！".
inline constexpr Text GoldSuffix = Tr("Exploration", " 個港幣！");
//: A charm against the skeleton Krellik; drawn from x = 44, about 150 pixels.
inline constexpr Text FoundSpell = Tr("Exploration", "       一個對付Krellik符咒！");
//: A bottle of serum: drunk in a fight, it gives attack points.
inline constexpr Text FoundSerum = Tr("Exploration", "     　一瓶血漿！");
//: The thief is a pizza delivery boy who makes off with a quarter of the money.
inline constexpr Text FoundThief = Tr("Exploration", "   ＊PIZZA外賣仔＊ ！！!");
//: A long-distance teleporter: it throws the hero into another room.
inline constexpr Text FoundTeleport = Tr("Exploration", "一個遠距離傳輸器！");
//: Ran into the skeleton Krellik: a dice fight follows.
inline constexpr Text FoundSkeleton = Tr("Exploration", "  　　撞到Krellik!");
//: Message box, first line; the second is "+17 攻擊力點數！".
inline constexpr Text DrankSerum = Tr("Exploration", "你喝左一瓶血漿！");
inline constexpr Text SerumPlus = Tr("Exploration", "+");
//: After the attack points the serum gave: "+17 攻擊力點數！".
inline constexpr Text SerumSuffix = Tr("Exploration", " 攻擊力點數！");
//: No charm left. Krellik's nickname: a groper from the police special
//: duties unit (飛虎隊, the "Flying Tigers").
inline constexpr Text NoCharm = Tr("Exploration", "你冇對付『飛虎隊咸豬手–Krellik』符咒可用！");
//: A charm is armed: the next click on the map takes the hero there.
inline constexpr Text ChooseRoom = Tr("Exploration", "請點按你要去的房間！");

// ---- Status window ----------------------------------------------------------------
//: The status window's heading, 169 pixels; the blanks centre it.
inline constexpr Text StatusTitle = Tr("Status window", "         Pellamorn的狀況 \r\n");
// Each is followed by its value; drawn from x = 50 on a sheet that ends
// about 140 pixels further right.
inline constexpr std::array<Text, 8> StatusLabels = {
    Tr("Status window", "生命值: "),
    Tr("Status window", "攻擊力: "),
    Tr("Status window", "餡餅: "),
    Tr("Status window", "港幣: "),
    Tr("Status window", "對付Krellik符咒: "),
    Tr("Status window", "血漿: "),
    //: 1 once the thing that beats Zorvath has been bought, else 0.
    Tr("Status window", "對付《Zorvath》的東西: "),
    //: 0 none, 1 club, 2 knife, 3 sword.
    Tr("Status window", "武器: "),
};

// ---- Combat -----------------------------------------------------------------------
//: Before the bonus the hero's weapon and luck add to a dice throw.
inline constexpr Text BonusLine = Tr("Combat", "攻擊力增加了 ");
// The endings: three lines each, drawn from x = 20 in a window 199 pixels
// wide, under the monster's portrait.
//: Victory and defeat, line 1.
inline constexpr Text VictoryLine1 = Tr("Combat", "你找到了《Zorvath》,");
//: Victory, line 2.
inline constexpr Text VictoryLine2 = Tr("Combat", "     並殺了《Zorvath》！");
//: Victory, line 3: a deadpan echo.
inline constexpr Text VictoryLine3 = Tr("Combat", "    和《Zorvath》！");
inline constexpr Text DefeatLine1 = Tr("Combat", "你找到了《Zorvath》,");
//: Defeat, line 2: without the thing that beats it, Zorvath eats the hero.
inline constexpr Text DefeatLine2 = Tr("Combat", "但《Zorvath》唔高興!");
//: Defeat, line 3: a wail.
inline constexpr Text DefeatLine3 = Tr("Combat", "嗚．．．．．．．");
//: Death, line 1: out of attack points, or a lost fight.
inline constexpr Text DeathLine1 = Tr("Combat", "你死硬啦！");
//: Death, line 2: "became ..."
inline constexpr Text DeathLine2 = Tr("Combat", "做左");
//: Death, line 3: "... Zorvath's delicacy!"
inline constexpr Text DeathLine3 = Tr("Combat", "《Zorvath》的美食！");

// ---- Town -----------------------------------------------------------------------
// Every button of the town is 65 x 33 pixels.
//: The hub's three departments.
inline constexpr Text cmdHealth = Tr("Town", "健康部");
inline constexpr Text cmdMagic = Tr("Town", "魔法部");
inline constexpr Text cmdWeapon = Tr("Town", "武器部");
//: Five pies, eaten as the hero walks.
inline constexpr Text cmdPie = Tr("Town", "買餡餅");
//: A night's lodging: gives back attack points.
inline constexpr Text cmdLodge = Tr("Town", "住　宿");
//: A doctor's visit: gives back health points.
inline constexpr Text cmdDoctor = Tr("Town", "看醫生");
//: Message box, first line, then an empty line and "增加21 點攻擊力！".
inline constexpr Text Lodged = Tr("Town", "你已經好好地休息了一成晚！");
//: Before the points gained: "增加21 點攻擊力！", "增加16 點生命值！".
inline constexpr Text Added = Tr("Town", "增加");
inline constexpr Text LodgeSuffix = Tr("Town", " 點攻擊力！");
//: Message box, first line, then an empty line and "增加16 點生命值！".
inline constexpr Text Doctored = Tr("Town", "醫生已經醫好左你！");
inline constexpr Text DoctorSuffix = Tr("Town", " 點生命值！");
//: A charm against the skeleton Krellik.
inline constexpr Text cmdMagicSpell = Tr("Town", "符　咒");
//: Advice: which way Zorvath lies.
inline constexpr Text cmdAdvice = Tr("Town", "建　議");
//: The one thing that beats Zorvath.
inline constexpr Text cmdBrew = Tr("Town", "對付Zorvath的東西");
//: The advice: "《Zorvath》 在你的 北邊！", the word one of the four below.
inline constexpr Text AdvicePrefix = Tr("Town", "《Zorvath》 在你的 ");
inline constexpr Text AdviceSuffix = Tr("Town", "邊！");
//: A side, in the advice ("... 北邊！") and in the dungeon messages ("東面").
inline constexpr Text North = Tr("Sides", "北");
inline constexpr Text South = Tr("Sides", "南");
inline constexpr Text West = Tr("Sides", "西");
inline constexpr Text East = Tr("Sides", "東");
inline constexpr Text HaveBrew = Tr("Town", "你已有對付《Zorvath》 的東西啦!");
//: Weapons: a wooden club, a small knife, a sword.
inline constexpr Text cmdClub = Tr("Town", "木　棍");
inline constexpr Text cmdKnife = Tr("Town", "小　刀");
inline constexpr Text cmdSword = Tr("Town", "劍");
//: After a ware's price, on its shelf card, 46 pixels wide: "10 港幣".
inline constexpr Text PriceTagSuffix = Tr("Town", " 港幣");

// ---- Settings window ---------------------------------------------------------------
//: The settings window's title plate, 100 pixels.
inline constexpr Text SettingsTitle = Tr("Settings window", "設定");
//: Row names, 96 pixels each: how large the game is drawn, full screen, the
//: sound effects' volume, the language.
inline constexpr Text SettingsZoom = Tr("Settings window", "畫面大小");
inline constexpr Text SettingsFullScreen = Tr("Settings window", "全螢幕");
inline constexpr Text SettingsVolume = Tr("Settings window", "音效音量");
inline constexpr Text SettingsLanguage = Tr("Settings window", "語言");
//: How long a fight lets the player watch the dice and its pauses.
inline constexpr Text SettingsPace = Tr("Settings window", "打鬥節奏");
//: The battle pace, 80 pixels: every pause as the game was made...
inline constexpr Text PaceAsDesigned = Tr("Settings window", "原汁原味");
//: ... or each at a quarter of its length.
inline constexpr Text PaceQuick = Tr("Settings window", "快啲");
//: The zoom, 80 pixels: %1 is 1 to 4.
inline constexpr Text ZoomTimes = Tr("Settings window", "%1 倍");
//: Full screen is on / off.
inline constexpr Text FullScreenOn = Tr("Settings window", "開");
inline constexpr Text FullScreenOff = Tr("Settings window", "關");
//: Button, 86 x 29: full screen on or off.
inline constexpr Text cmdFullScreen = Tr("Settings window", "切換");
//: Under the languages, 344 pixels: a language chosen is used from the next start.
inline constexpr Text LanguageNextStart = Tr("Settings window", "下次開始遊戲時使用所選的語言。");
//: Two columns of keys and what each does, five and six lines; the key names
//: as the player's keyboard shows them.
inline constexpr Text KeysA =
    Tr("Settings window", "方向鍵／WASD\r\nTab\r\n空白鍵／Enter\r\nEsc\r\nCtrl+Q");
inline constexpr Text KeyActionsA =
    Tr("Settings window", "行走\r\n下一個按鈕\r\n按下按鈕\r\n關閉視窗\r\n退出遊戲");
inline constexpr Text KeyActionsB =
    Tr("Settings window", "點樣玩\r\n設定\r\n全螢幕\r\n放大\r\n縮小\r\n原本大小");
//: The main window's version line opens the settings: its tip.
inline constexpr Text SettingsTip = Tr("Settings window", "設定（F2）");
// The same on every keyboard.
inline constexpr std::string_view KeysB = "F1\r\nF2\r\nF11\r\nCtrl + =\r\nCtrl + -\r\nCtrl + 0";
inline constexpr std::string_view Less = "－";
inline constexpr std::string_view More = "＋";

// ---- The how-to-play card ----------------------------------------------------------
// F1 from any window, and once at the first start. Each part is one label
// beside its picture, wrapped at about 215 pixels over five lines; the
// first words in 【】 name the part. Every number is the game's own rule.
//: The card's headline, one line of 300 pixels on its banner.
inline constexpr Text CardTitle = Tr("How to play", "點樣玩");
inline constexpr std::array<Text, 10> CardParts = {
    //: Beside the hero. Walking: a click on a neighbouring room or a walking key.
    Tr("How to play",
       "【目標】你係PELLAMORN，要喺地下城搵到《Zorvath》同打低佢！撳隔籬間房（或者用方向鍵、"
       "WASD）就行過去，有門先入到。"),
    //: Beside a pie: what a step costs.
    Tr("How to play",
       "【攻擊力同餡餅】每行一步扣1點攻擊力，冇餡餅就扣2點；每行三步食一個餡餅。攻擊力冇晒就"
       "死硬！健康部嘅餡餅10港幣5個。"),
    //: Beside the gold: what rooms hold. The thief is the pizza delivery boy.
    Tr("How to play",
       "【房入面】港幣、符咒、血漿；PIZZA外賣仔會偷走你四分一嘅錢；遠距離傳輸器將你掟去隨便"
       "一間房，可能係《Zorvath》嗰間！空房再入都可能有嘢。"),
    //: Beside a charm: the charm move.
    Tr("How to play",
       "【符咒】撳「使用符咒」再撳地圖上任何一間房，即刻飛過去，唔使行、唔扣攻擊力。一撳掣就"
       "用左一張。魔法部10港幣一張。"),
    //: Beside the serum: it cannot be drunk by hand. The red seal of the
    //: status window is only a picture.
    Tr("How to play",
       "【血漿】唔使自己飲，亦都飲唔到：打贏Krellik之後攻擊力低過20，就會自動飲一瓶，加15至"
       "29點攻擊力。狀況紙上面個紅印唔係掣。"),
    //: Beside the skeleton: the dice fight. A tie goes to the hero.
    Tr("How to play",
       "【打Krellik】撞到佢就擲骰：你嘅點數加埋加成唔細過佢嘅，就打中佢。佢捱夠5點傷就衰，"
       "你搵到5至9個港幣。每輪都扣攻擊力；生命值或者攻擊力冇晒就死。"),
    //: Beside a weapon: the bonus added to each of the hero's throws.
    Tr("How to play",
       "【武器】加成大約係攻擊力除20，再計武器：冇武器減4，木棍減3，小刀減2，劍減1。武器部："
       "木棍15、小刀40、劍60港幣。"),
    //: Beside the town: the health and magic departments. Attack stops at
    //: 100 and health at 50, so paying when full is money thrown away.
    Tr("How to play",
       "【裝備】健康部：住宿15港幣加21至22點攻擊力，看醫生15港幣加16至17點生命值；攻擊力最多"
       "100、生命值最多50，滿左就唔好使錢！魔法部：建議20港幣，話你知《Zorvath》喺邊。"),
    //: Beside 《Zorvath》: the one thing that beats it, and its price
    //: against the money a game starts with.
    Tr("How to play",
       "【《Zorvath》】淨係魔法部嘅「對付Zorvath的東西」（80港幣）先打得低佢。你開頭得60港幣，"
       "未買之前入佢間房就會俾佢食左！贏定死都會即刻開新一局。"),
    //: Beside the keys.
    Tr("How to play",
       "【按鍵】F1：呢張卡。方向鍵、WASD：行。Tab：揀掣；空白鍵、Enter：撳掣。Esc：閂視窗。"
       "Ctrl+Q：退出。"),
};

// ---- Start-up failures ------------------------------------------------------------
inline constexpr Text SoundInitFailed = Tr("Failures", "初始化音效失敗！");
inline constexpr Text SoundFileMissing = Tr("Failures", "無法找到音效檔案！");
inline constexpr Text PicturesMissing = Tr("Failures", "無法載入遊戲圖像，請重新安裝遊戲！");
inline constexpr Text UnexpectedError = Tr("Failures", "遊戲發生意外錯誤，必須結束！");

// ---- A dungeon file the game refuses -----------------------------------------------
// One line a problem, at most six, then DungeonEnd. %1 is the file's name as
// the player gave it (DefaultDungeon when none) or a room's number, %2 a
// code or a side (North ...).
inline constexpr std::string_view DefaultDungeon = "Dungeon.gvk";
inline constexpr Text DungeonMissing = Tr("Dungeon file", "無法開啟地下城檔案「%1」！");
//: %2: the bytes the file has.
inline constexpr Text DungeonShort =
    Tr("Dungeon file", "地下城檔案「%1」太短：需要 320 位元組，但只有 %2 位元組。");
inline constexpr Text DungeonBadShape =
    Tr("Dungeon file", "第 %1 號房間的形狀編號 %2 不正確（應為 0 至 15）。");
inline constexpr Text DungeonBadItem =
    Tr("Dungeon file", "第 %1 號房間的物品編號 %2 不正確（應為 0 至 7）。");
//: %1: the start room, 45.
inline constexpr Text DungeonNoStart = Tr("Dungeon file", "第 %1 號房間是起點，但該處沒有房間。");
//: %2: a side.
inline constexpr Text DungeonDoorOffMap =
    Tr("Dungeon file", "第 %1 號房間的%2面有門通往地圖以外。");
//: %2: a side; %3: the number of the place without a room.
inline constexpr Text DungeonDoorEmpty =
    Tr("Dungeon file", "第 %1 號房間的%2面有門通往沒有房間的第 %3 號位置。");
//: More problems than are shown.
inline constexpr Text DungeonMore = Tr("Dungeon file", "……");
inline constexpr Text DungeonEnd = Tr("Dungeon file", "\r\n\r\n遊戲無法開始。");

// ---- The command line, answered on standard output or error before any window --------
// In English in every language, as the manual pages.
inline constexpr std::string_view Usage = "Usage: gorvak [OPTIONS] [FILE]";
inline constexpr std::string_view About =
    "Play PELLAMORN's dungeon game. With FILE, a dungeon file (a path or a file://\n"
    "URI), play that dungeon instead of the game's own; it is read again at the\n"
    "start of every game.";
inline constexpr std::string_view HelpOption = "show this help and exit";
inline constexpr std::string_view VersionOption = "show the version and the licence and exit";
inline constexpr std::string_view LangOption = "play in language CODE (en, zh_CN, zh_HK)";
// "gorvak: " + NoSuchLanguage + the code + the game's codes, joined by ", ".
inline constexpr std::string_view NoSuchLanguage = "the game does not speak ";
inline constexpr std::string_view HelpEnd =
    "Qt's own options, such as -platform NAME and -reverse, work too.\n"
    "gorvak-dungeon makes, checks and draws dungeon files; see gorvak(6).";
inline constexpr std::string_view Licence =
    "Copyright (C) 2026 Varnel\n"
    "License GPL-3.0-or-later: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n"
    "The bundled fonts, Noto Sans CJK HK and SC, are under the SIL Open Font License 1.1.";
// An error is one line: "gorvak: " + what + SeeHelp.
inline constexpr std::string_view SeeHelp = " See 'gorvak --help'.";
inline constexpr std::string_view OneDungeonOnly = "One dungeon file at a time.";
inline constexpr std::string_view EmptyDungeonName = "The dungeon file's name is empty.";
inline constexpr std::string_view NotALocalFile = ": not a file on this computer.";
inline constexpr std::string_view EmptyLanguage = "--lang needs a language, such as en.";

}  // namespace texts
