// The play-testing bot: whole games played at random through the windows'
// own entry points (map clicks, buttons, OK and close boxes, quitting), also
// while the game pauses and while its modal windows are up, with the rules'
// invariants checked after every action. Shared by its tests and by the
// benchmark that counts its games per minute.
#pragma once

#include "support/GameFixture.h"

#include "combat/frmBattle.h"
#include "exploration/frmDiscovery.h"
#include "exploration/frmStatus.h"
#include "town/frmHealth.h"
#include "town/frmMagic.h"
#include "town/frmShoppe.h"
#include "town/frmWeapons.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <sstream>
#include <stdexcept>

namespace playbot {

using testing_support::OpenDungeon;
using town::Ware;
constexpr auto ButtonOf = DepartmentWindow::ButtonOf;

#if defined(__SANITIZE_ADDRESS__)
constexpr int kScale = 5;  // the sanitizer build is several times slower
#else
constexpr int kScale = 1;
#endif

// How deep the bot's actions may nest inside pauses and modal windows.
constexpr int kMaxDepth = 4;
constexpr int kMaxPending = 6;

// The most one event can move a statistic, as the design states them; the
// oracle's credits are built from these, independently of the game's code.
constexpr int kMostHealthBought = 17;  // the doctor: 16 + u, u < 1, rounded half to even
constexpr int kMostAttackBought = 22;  // a night's lodging: 21 + u rounded half to even
constexpr int kMostSerumBoost = 29;  // a serum: floor(15 u) + 15
constexpr int kPiesBought = 5;  // one purchase of pies
constexpr int kMostRoomGold = 4;  // gold lying in a room: floor(3 u) + 2
constexpr int kMostSkeletonGold = 9;  // the skeleton's purse: floor(5 u) + 5
constexpr int kDearestWare = 80;  // the thing against Zorvath
constexpr int kHardestBlow = 5;  // a blow: floor(5 u) + 1
constexpr int kDearestStep = 2;  // a step or a battle turn without a pie

struct Options {
    bool shuffle = true;  // start as the program does, shuffle and all
    bool stdRandom = false;  // the game draws from ui::StdRandom, else ScriptedRandom
    bool throughModals = false;  // also try other windows while a modal one is up
    int actionsPerGame = 250;  // then the bot quits
};

enum class Mood { Idle, Pause, Modal };

class Bot {
public:
    Bot(const Dungeon& file, std::uint32_t seed, const Options& options)
        : file_(file),
          seed_(seed),
          options_(options),
          rng_(seed),
          random_(1.0 + seed % 100000)
    {
        for (int r = 0; r < RoomCount; ++r) {
            if (file_.RoomItem[r] == ItemGorvak) ++fileGorvaks_;
            if (file_.RoomItem[r] > 0 && file_.RoomItem[r] <= LastItem)
                ++fileCounts_[file_.RoomItem[r]];
        }
        if (options_.stdRandom) stdRandom_.emplace();
    }

    // Plays until the bot quits (or a check fails); the games played, each
    // ended or quit.
    int Play()
    {
        game_ = std::make_unique<frmGorvak>(Services{windows_, clock_, Random(), sounds_});
        windows_.onModal = [this](ui::FakeForm& form) { OnModal(form); };
        windows_.onMessageBox = [this](std::string_view text) { OnMessageBox(text); };
        if (options_.shuffle) {
            // Clicks and quits during the shuffle too.
            for (int i = Pick(0, 2); i > 0; --i) ScheduleTimed(Uniform(0.0, 0.2));
            windows_.Deliver([this] { game_->Form_Load(); });
        } else {
            game_->DungeonFile = "Dungeon.gvk";
            game_->InitObjects();
            game_->InitGame();
            game_->form().ShowModeless(nullptr);
        }
        Check("start");
        while (!windows_.IsQuitting() && !failed_) {
            if (actionsInGame_ >= options_.actionsPerGame) {
                Main().Click(frmGorvak::cmdQuit);
                break;
            }
            depth_ = 1;
            if (Chance(0.35)) {
                for (int i = Pick(1, 2); i > 0; --i) ScheduleTimed(Uniform(0.0, 6.0));
            }
            Act(Mood::Idle);
            Check(lastAction_.c_str());
            depth_ = 0;
            // The idle loop: what the player scheduled for now happens now.
            if (!windows_.IsQuitting() && !failed_) {
                windows_.RunUntil(clock_.Now() + (Chance(0.5) ? 0.0 : Uniform(0.0, 2.5)));
                Check("idle");
            }
        }
        if (!failed_) {
            if (!windows_.IsQuitting()) Fail("the run ended without quitting");
            const unsigned games = game_->GameNumber();
            windows_.RunUntil(clock_.Now() + 30.0);
            if (game_->GameNumber() != games) Fail("a new game began after the quit");
            for (const ui::FakeForm* form : Forms()) {
                if (form->IsLoaded()) Fail(form->layout().name + " still loaded after the quit");
            }
        }
        const int played = static_cast<int>(game_->GameNumber());
        for (const auto& p : sounds_.plays) ++heardInRun_[static_cast<std::size_t>(p.sound)];
        windows_.onModal = nullptr;
        windows_.onMessageBox = nullptr;
        game_.reset();
        return played;
    }

    bool failed() const { return failed_; }
    const std::string& failure() const { return failure_; }
    int endings() const { return endings_; }
    const std::array<int, sound::SoundCount>& heard() const { return heardInRun_; }
    int timedFired() const { return timedFired_; }
    int modalsAnswered() const { return modalsAnswered_; }
    int droppedInputs() const { return windows_.droppedInputs; }

private:
    ui::Random& Random()
    {
        if (stdRandom_) return *stdRandom_;
        return random_;
    }

    // --- the bot's own choices, from its seeded source -----------------------

    bool Chance(double p) { return std::uniform_real_distribution<double>(0.0, 1.0)(rng_) < p; }
    int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    double Uniform(double lo, double hi)
    {
        return std::uniform_real_distribution<double>(lo, hi)(rng_);
    }
    template <typename T, std::size_t N>
    const T& OneOf(const std::array<T, N>& items)
    {
        return items[static_cast<std::size_t>(Pick(0, static_cast<int>(N) - 1))];
    }

    ui::FakeForm& Main() const { return Fake(game_->form()); }
    static ui::FakeForm& Fake(ui::Form& form) { return static_cast<ui::FakeForm&>(form); }
    ui::FakeForm& StatusWindow() const { return Fake(game_->StatusWindow().form()); }
    ui::FakeForm& DiscoveryWindow() const { return Fake(game_->DiscoveryWindow().form()); }
    ui::FakeForm& BattleWindow() const { return Fake(game_->BattleWindow().form()); }
    ui::FakeForm& Hub() const { return Fake(game_->ShoppeWindow().form()); }
    ui::FakeForm& HealthWindow() const { return Fake(game_->HealthWindow().form()); }
    ui::FakeForm& MagicWindow() const { return Fake(game_->MagicWindow().form()); }
    ui::FakeForm& WeaponsWindow() const { return Fake(game_->WeaponsWindow().form()); }
    std::array<ui::FakeForm*, 8> Forms() const
    {
        return {&Main(), &StatusWindow(), &DiscoveryWindow(), &BattleWindow(),
                &Hub(),  &HealthWindow(), &MagicWindow(),     &WeaponsWindow()};
    }

    void ScheduleTimed(double delay)
    {
        if (pending_ >= kMaxPending) return;
        ++pending_;
        windows_.After(delay, [this] { Timed(); });
    }

    // A player's action that fires inside whatever wait runs at its time.
    void Timed()
    {
        --pending_;
        if (failed_ || windows_.IsQuitting() || depth_ >= kMaxDepth) return;
        ++timedFired_;
        ++depth_;
        Act(Mood::Pause);
        Check(("during a pause: " + lastAction_).c_str());
        --depth_;
    }

    void OnModal(ui::FakeForm& form)
    {
        const bool status = &form == &StatusWindow();
        statusModals_ += status ? 1 : 0;
        Check(status ? "status window up" : "modal notice up");
        if (!failed_ && depth_ < kMaxDepth) {
            ++depth_;
            AnswerModal(&form);
            Check(("answering a modal window: " + lastAction_).c_str());
            --depth_;
        }
        statusModals_ -= status ? 1 : 0;
    }

    void OnMessageBox(std::string_view text)
    {
        Check(("message box up: " + std::string(text)).c_str());
        if (!failed_ && depth_ < kMaxDepth) {
            ++depth_;
            AnswerModal(nullptr);
            Check(("answering a message box: " + lastAction_).c_str());
            --depth_;
        }
    }

    // While a modal window or message box is up only it takes clicks, and
    // the program can still be ended from outside; timed actions wait for
    // later pauses. Unless told otherwise, the bot plays by those rules.
    void AnswerModal(ui::FakeForm* form)
    {
        ++modalsAnswered_;
        const int choice = Chance(0.01) ? 0 : Pick(1, 9);
        if (options_.throughModals && choice >= 6) {
            for (int i = Pick(1, 3); i > 0 && !windows_.IsQuitting() && !failed_; --i) {
                Act(Mood::Modal);
                Check(("through a modal window: " + lastAction_).c_str());
            }
            if (form != nullptr && Chance(0.5)) form->RequestClose();
            return;
        }
        if (choice == 0) {
            Note("quit from outside");
            windows_.Quit(0);
        } else if (choice <= 2) {
            Note("schedule");
            ScheduleTimed(Uniform(0.0, 5.0));
        } else if (form != nullptr && choice <= 4) {
            Note("OK on " + form->layout().name);
            form->Click(cmdOK);
        } else if (form != nullptr && choice <= 6) {
            Note("close " + form->layout().name);
            form->RequestClose();
        } else {
            Note("dismiss");
        }
    }

    void Note(std::string what)
    {
        lastAction_ = std::move(what);
        ++actionsInGame_;
        ++actionsSinceFresh_;
    }

    // --- actions -------------------------------------------------------------

    void Act(Mood mood)
    {
        if (windows_.IsQuitting()) return;
        const int roll = Pick(0, 99);
        if (Chance(mood == Mood::Idle ? 0.003 : 0.006)) {
            Note(std::string(frmGorvak::cmdQuit.str()));
            if (Chance(0.5)) {
                Main().Click(frmGorvak::cmdQuit);
            } else {
                Main().RequestClose();
            }
        } else if (roll < 50) {
            Goal();
        } else if (roll < 63) {
            AnyClick();
        } else if (roll < 68) {
            const ui::Key key =
                OneOf(std::array{ui::Key::Up, ui::Key::Right, ui::Key::Down, ui::Key::Left});
            Note("key " + std::to_string(static_cast<int>(key)));
            Main().KeyDown(key);
        } else if (roll < 76) {
            const ui::ControlName button =
                OneOf(std::array{frmGorvak::cmdShop, frmGorvak::cmdSpell, frmGorvak::cmdStatus});
            Note(std::string(button.str()));
            Main().Click(button);
        } else if (roll < 88) {
            Shop();
        } else {
            Dialog();
        }
    }

    // Toward the end of the game: the brew, then Zorvath; else the nearest
    // room not yet seen.
    void Goal()
    {
        Stats& s = game_->stats;
        if (!s.HasBrew && s.Gold >= 80 && Chance(0.8)) {
            if (MagicWindow().IsVisible()) return Press(MagicWindow(), ButtonOf(Ware::Brew));
            if (Hub().IsVisible()) return Press(Hub(), frmShoppe::cmdMagic);
            Note(std::string(frmGorvak::cmdShop.str()));
            Main().Click(frmGorvak::cmdShop);
            return;
        }
        if (s.SpellMode) {
            const int room = s.HasBrew || Chance(0.3) ? game_->GorvakRoom : Pick(0, RoomCount - 1);
            ClickRoom(room, "charm to ");
            return;
        }
        if (s.HasBrew && s.Spells > 0 && Chance(0.5)) {
            Note(std::string(frmGorvak::cmdSpell.str()));
            Main().Click(frmGorvak::cmdSpell);
            return;
        }
        const int next = NextStep(s.HasBrew);
        if (next >= 0) {
            ClickRoom(next, "walk to ");
        } else {
            AnyClick();
        }
    }

    // The first step of a shortest walk through the file's doors to an
    // unseen room (or to Zorvath once the brew is had); -1 when none.
    int NextStep(bool toGorvak)
    {
        const int here = game_->stats.CurrentRoom;
        if (here < 0 || here >= RoomCount) return -1;
        std::array<int, RoomCount> first{};
        first.fill(-2);
        std::deque<int> queue{here};
        first[static_cast<std::size_t>(here)] = -1;
        while (!queue.empty()) {
            const int r = queue.front();
            queue.pop_front();
            const bool goal = toGorvak ? game_->RoomItem[static_cast<std::size_t>(r)] == ItemGorvak
                                       : !seen_[static_cast<std::size_t>(r)];
            if (r != here && goal) return first[static_cast<std::size_t>(r)];
            for (Direction d : Directions) {
                if (!HasDoor(game_->RoomType[static_cast<std::size_t>(r)], d) || LeadsOffMap(r, d))
                    continue;
                const int n = NeighbourOf(r, d);
                // Zorvath without the brew ends the game; mostly go round.
                if (!toGorvak && game_->RoomItem[static_cast<std::size_t>(n)] == ItemGorvak &&
                    Chance(0.9))
                    continue;
                if (first[static_cast<std::size_t>(n)] != -2) continue;
                first[static_cast<std::size_t>(n)] =
                    r == here ? n : first[static_cast<std::size_t>(r)];
                queue.push_back(n);
            }
        }
        return -1;
    }

    void ClickRoom(int room, const std::string& why)
    {
        Int16 x = 0;
        Int16 y = 0;
        frmGorvak::GetPixelXY(static_cast<Int16>(room), x, y);
        const float dx = static_cast<float>(Uniform(1.0, 31.0));
        const float dy = static_cast<float>(Uniform(1.0, 31.0));
        Note(why + std::to_string(room));
        Main().MouseDown(x + dx, y + dy, Pick(1, 2));
    }

    // Anywhere at all: off the map, on its edges, in the gaps, on walls, on
    // the current room, on far rooms, across a row's end.
    void AnyClick()
    {
        const int here = game_->stats.CurrentRoom;
        float x = 0;
        float y = 0;
        switch (Pick(0, 5)) {
        case 0:
            x = static_cast<float>(Uniform(-20.0, 660.0));
            y = static_cast<float>(Uniform(-20.0, 500.0));
            break;
        case 1: {
            x = OneOf(std::array{105.5f, 106.0f, 106.5f, 539.5f, 540.0f, 540.5f, 320.0f});
            y = OneOf(std::array{49.5f, 50.0f, 50.5f, 397.5f, 398.0f, 398.5f, 200.0f});
            break;
        }
        case 2: {  // the gap right of or below a tile
            const int r = Pick(0, RoomCount - 1);
            x = static_cast<float>(106 + 44 * ColumnOf(r) + Pick(32, 43));
            y = static_cast<float>(50 + 44 * RowOf(r) + Pick(0, 43));
            break;
        }
        case 3: {  // a neighbour by number, doors or not, the row's ends too
            const int step = OneOf(std::array{-10, 10, -1, 1, -11, 11, 0});
            const int r = std::clamp(here + step, 0, RoomCount - 1);
            ClickRoom(r, "click near ");
            return;
        }
        default: ClickRoom(Pick(0, RoomCount - 1), "click on "); return;
        }
        Note("click at " + std::to_string(x) + "," + std::to_string(y));
        Main().MouseDown(x, y, Pick(1, 3));
    }

    void Press(ui::FakeForm& form, ui::ControlName button)
    {
        Note(form.layout().name + "." + std::string(button.str()));
        form.Click(button);
    }

    void Shop()
    {
        if (Chance(0.25)) {
            return Press(
                Hub(),
                OneOf(std::array{frmShoppe::cmdHealth, frmShoppe::cmdMagic, frmShoppe::cmdWeapon}));
        }
        // A ware's button in the window of its department, open or not.
        const town::WareRow& row = OneOf(town::Wares);
        ui::FakeForm& counter = row.department == town::Department::Health ? HealthWindow()
            : row.department == town::Department::Magic                    ? MagicWindow()
                                                                           : WeaponsWindow();
        Press(counter, ButtonOf(row.ware));
    }

    void Dialog()
    {
        ui::FakeForm& form =
            *OneOf(std::array{&DiscoveryWindow(), &BattleWindow(), &StatusWindow(), &Hub(),
                              &HealthWindow(), &MagicWindow(), &WeaponsWindow()});
        const bool hasOK =
            &form == &DiscoveryWindow() || &form == &BattleWindow() || &form == &StatusWindow();
        if (hasOK && Chance(0.5)) {
            Press(form, cmdOK);
        } else {
            Note("close " + form.layout().name);
            form.RequestClose();
        }
    }

    // --- invariants ----------------------------------------------------------

    void Fail(const std::string& what)
    {
        if (failed_) return;
        std::ostringstream out;
        out << "seed " << seed_ << " (GORVAK_BOT_SEED=" << seed_ << "), game "
            << (game_ ? game_->GameNumber() : 0) << ", action " << actionsInGame_ << " ("
            << lastAction_ << "), t=" << clock_.Now() << ": " << what;
        failure_ = out.str();
        failed_ = true;
        // End the run: every wait unwinds from here.
        windows_.Quit(0);
    }

    void Expect(bool ok, const char* where, const std::string& what)
    {
        if (!ok) Fail(std::string(where) + ": " + what);
    }

    struct Snapshot {
        std::array<Int16, 10> values;
        std::array<Int16, RoomCount> items;
        bool operator==(const Snapshot&) const = default;
    };
    Snapshot Take() const
    {
        const Stats& s = game_->stats;
        return {{s.Health, s.Attack, s.Pies, s.Gold, s.Spells, s.Serum,
                 static_cast<Int16>(s.HasBrew), s.CurrentRoom, s.Weapon, s.PieSteps},
                game_->RoomItem};
    }

    void Check(const char* where)
    {
        if (failed_ || !game_) return;
        if (windows_.IsQuitting()) {
            for (const ui::FakeForm* form : Forms()) {
                Expect(!form->IsLoaded(), where, form->layout().name + " loaded after quitting");
            }
            return;
        }
        const Stats& s = game_->stats;
        const unsigned number = game_->GameNumber();
        if (number == 0) return;  // not started yet
        if (number != gameNumber_) {
            if (gameNumber_ != 0) endings_ += static_cast<int>(number - gameNumber_);
            CheckFreshGame(where, gameNumber_ == 0);
            fresh_ = Take();
            // The program's first game is shuffled meanwhile; only restarts
            // must hold still until the player acts.
            actionsSinceFresh_ = gameNumber_ == 0 && options_.shuffle ? 1 : 0;
            gameNumber_ = number;
            actionsInGame_ = 0;
            seen_.fill(false);
            last_ = fresh_;
            heardUpTo_ = sounds_.plays.size();
            messagesUpTo_ = windows_.messages.size();
            riseCredit_.fill(0);
            fallCredit_.fill(0);
        } else if (actionsSinceFresh_ == 0 && !game_->Shuffling) {
            // Nothing the player did yet: whatever the old game still ran
            // after its ending must have left the new one alone.
            Expect(Take() == fresh_, where, "the new game changed before the player acted");
        }

        Expect(s.Health <= Module1::MaxHealth, where, "Health " + std::to_string(s.Health));
        Expect(s.Attack <= Module1::MaxAttack, where, "Attack " + std::to_string(s.Attack));
        Expect(s.Pies >= 0, where, "Pies " + std::to_string(s.Pies));
        Expect(s.Gold >= 0, where, "Gold " + std::to_string(s.Gold));
        Expect(s.Spells >= 0, where, "Spells " + std::to_string(s.Spells));
        Expect(s.Serum >= 0, where, "Serum " + std::to_string(s.Serum));
        Expect(s.Weapon >= 0 && s.Weapon <= 3, where, "Weapon " + std::to_string(s.Weapon));
        // Only a walk nested in the last pie's warning could count on.
        Expect(s.PieSteps >= 0 && s.PieSteps <= 3, where, "PieSteps " + std::to_string(s.PieSteps));
        // A blow takes at most 5 and the first blow below 1 ends the
        // game (attack may run lower: the player's own blows go on).
        Expect(s.Health >= -4, where, "Health " + std::to_string(s.Health));
        const Int16 room = s.CurrentRoom;
        Expect(room >= 0 && room < RoomCount, where, "CurrentRoom " + std::to_string(room));
        if (failed_) return;
        Expect(game_->RoomType[static_cast<std::size_t>(room)] != 0, where,
               "CurrentRoom " + std::to_string(room) + " holds no room");
        Expect(game_->RoomType == file_.RoomType, where, "the room shapes changed");
        seen_[static_cast<std::size_t>(room)] = true;

        // Items are only ever used up: never more of a kind than the file had.
        std::array<int, LastItem + 1> counts{};
        for (Int16 item : game_->RoomItem) {
            Expect(item >= 0 && item <= LastItem, where, "item code " + std::to_string(item));
            if (item > 0 && item <= LastItem) ++counts[static_cast<std::size_t>(item)];
        }
        for (int k = 1; k <= LastItem; ++k) {
            Expect(counts[static_cast<std::size_t>(k)] <= fileCounts_[static_cast<std::size_t>(k)],
                   where, "more items of kind " + std::to_string(k) + " than the dungeon holds");
        }
        if (fileGorvaks_ == 1 && counts[ItemGorvak] == 1 && !game_->Shuffling) {
            Expect(game_->RoomItem[static_cast<std::size_t>(game_->GorvakRoom)] == ItemGorvak,
                   where,
                   "GorvakRoom " + std::to_string(game_->GorvakRoom) + " does not hold Zorvath");
        }

        // No counter moves further than what happened since the last check
        // allows (told by the sounds and messages it made), plus what the
        // nested actions still in flight may add after their pauses.
        const Snapshot now = Take();
        std::array<int, sound::SoundCount> heard{};
        for (std::size_t i = heardUpTo_; i < sounds_.plays.size(); ++i) {
            ++heard[static_cast<std::size_t>(sounds_.plays[i].sound)];
        }
        heardUpTo_ = sounds_.plays.size();
        const int boxes = static_cast<int>(windows_.messages.size() - messagesUpTo_);
        messagesUpTo_ = windows_.messages.size();
        auto n = [&](sound::Sound k) { return heard[static_cast<std::size_t>(k)]; };
        const int shop = n(sound::Sound::sndShop);
        const int entries =
            n(sound::Sound::sndWalk) + n(sound::Sound::sndSpell) + n(sound::Sound::sndTeleport);
        const int blows = n(sound::Sound::sndSkeletonHit) + n(sound::Sound::sndPlayerHit);
        const int steps = n(sound::Sound::sndWalk) + blows;
        const std::array<int, 6> rise = {kMostHealthBought * shop,
                                         kMostAttackBought * shop + kMostSerumBoost * boxes,
                                         kPiesBought * shop,
                                         kMostRoomGold * entries +
                                             kMostSkeletonGold * n(sound::Sound::sndDiscovery),
                                         entries + shop,
                                         entries};
        // The thief's share is at most a quarter of the purse, rounded up.
        const std::array<int, 6> fall = {kHardestBlow * n(sound::Sound::sndPlayerHit),
                                         kDearestStep * steps,
                                         steps,
                                         kDearestWare * shop + entries * (last_.values[3] / 4 + 1),
                                         boxes,
                                         boxes};
        // The most a change can lag behind its sound: a step's cost is paid
        // before it sounds, a reward and a serum come after their pause, a charm is spent once
        // its message is read.
        const std::array<int, 6> riseLag = {
            0, kMostSerumBoost * kMaxDepth, 0, kMostSkeletonGold * kMaxDepth, 0, 0};
        const std::array<int, 6> fallLag = {
            kHardestBlow, kDearestStep * kMaxDepth, kMaxDepth, 0, kMaxDepth, 0};
        constexpr std::array<const char*, 6> counters = {"Health", "Attack", "Pies",
                                                         "Gold",   "Spells", "Serum"};
        for (std::size_t i = 0; i < counters.size(); ++i) {
            riseCredit_[i] = std::min(riseCredit_[i] + rise[i], rise[i] + riseLag[i]);
            fallCredit_[i] = std::min(fallCredit_[i] + fall[i], fall[i] + fallLag[i]);
            const int delta = now.values[i] - last_.values[i];
            if (delta > riseCredit_[i] || -delta > fallCredit_[i]) {
                Fail(std::string(where) + ": " + counters[i] + " went from " +
                     std::to_string(last_.values[i]) + " to " + std::to_string(now.values[i]));
                return;
            }
            if (delta > 0) riseCredit_[i] -= delta;
            if (delta < 0) fallCredit_[i] += delta;
        }
        last_ = now;

        // One window object per window class, the game's own.
        constexpr std::array<const char*, 8> names = {"frmGorvak", "frmStatus", "frmDiscovery",
                                                      "frmBattle", "frmShoppe", "frmHealth",
                                                      "frmMagic",  "frmWeapons"};
        const auto forms = Forms();
        for (std::size_t i = 0; i < names.size(); ++i) {
            Expect(windows_.Find(names[i]) == forms[i], where, std::string("window ") + names[i]);
        }
        Expect(Main().IsVisible(), where, "the main window is not showing");
        Expect(!StatusWindow().IsLoaded() || statusModals_ > 0, where,
               "the status window is open outside its modal run");
        Expect(!BattleWindow().IsLoaded() || BattleWindow().IsEnabled(cmdOK) || game_->Battling,
               where, "a battle window without a battle");
        const bool buttons = Main().IsEnabled(frmGorvak::cmdShop) ||
            Main().IsEnabled(frmGorvak::cmdSpell) || Main().IsEnabled(frmGorvak::cmdStatus);
        Expect(Main().IsEnabled(frmGorvak::cmdShop) == Main().IsEnabled(frmGorvak::cmdSpell) &&
                   Main().IsEnabled(frmGorvak::cmdShop) == Main().IsEnabled(frmGorvak::cmdStatus),
               where, "the three buttons disagree");
        Expect(!buttons || (!game_->Battling && !game_->Shuffling), where,
               std::string("buttons on while ") + (game_->Battling ? "battling" : "shuffling"));
        Expect(Main().IsEnabled(frmGorvak::cmdQuit), where, "cmdQuit disabled");
        Int16 x = 0;
        Int16 y = 0;
        frmGorvak::GetPixelXY(room, x, y);
        const auto marker = Main().ControlPlace(frmGorvak::shpRoomMarker);
        Expect(marker.left == x - 4 && marker.top == y - 4, where,
               "the marker is not on the current room");
    }

    // The state every new game begins in. A restart re-reads the file and
    // does not shuffle; only the program's start shuffles the first game.
    void CheckFreshGame(const char* where, bool first)
    {
        const Stats& s = game_->stats;
        const std::string game = first ? "first game: " : "new game: ";
        Expect(s.Health == 50 && s.Attack == 100 && s.Pies == 1 && s.Gold == 60 && s.Spells == 0 &&
                   s.Serum == 0 && !s.HasBrew && s.CurrentRoom == 45 && s.Weapon == 0 &&
                   s.PieSteps == 0 && !s.SpellMode,
               where,
               game + "statistics not at their start values: H" + std::to_string(s.Health) + " A" +
                   std::to_string(s.Attack) + " P" + std::to_string(s.Pies) + " G" +
                   std::to_string(s.Gold) + " C" + std::to_string(s.Spells) + " S" +
                   std::to_string(s.Serum) + " B" + std::to_string(s.HasBrew) + " R" +
                   std::to_string(s.CurrentRoom) + " W" + std::to_string(s.Weapon) + " PS" +
                   std::to_string(s.PieSteps) + " M" + std::to_string(s.SpellMode));
        Expect(!game_->Battling, where, game + "battling");
        if (first && options_.shuffle) {
            auto sorted = [](std::array<Int16, RoomCount> items) {
                std::sort(items.begin(), items.end());
                return items;
            };
            Expect(sorted(game_->RoomItem) == sorted(file_.RoomItem), where,
                   game + "the shuffle changed the set of items");
            Expect(game_->RoomItem[StartRoom] == file_.RoomItem[StartRoom], where,
                   game + "the shuffle moved the start room's item");
            return;  // the shuffle may still be running
        }
        Expect(game_->RoomItem == file_.RoomItem, where,
               game + "items differ from the dungeon file's");
        Expect(!game_->Shuffling, where, game + "shuffling");
        Expect(Main().IsEnabled(frmGorvak::cmdShop), where, game + "the buttons are off");
        for (int r = 0; r < RoomCount; ++r) {
            Int16 x = 0;
            Int16 y = 0;
            frmGorvak::GetPixelXY(static_cast<Int16>(r), x, y);
            // A painted room's corner is white: only the start room is.
            Expect((Main().fakeSurface().Point(x, y) == ui::White) == (r == StartRoom), where,
                   game + "room " + std::to_string(r) + " painted wrongly");
        }
    }

    using Stats = Module1;

    const Dungeon file_;
    const std::uint32_t seed_;
    const Options options_;
    std::mt19937 rng_;

    ui::FakeClock clock_;
    ui::FakeWindowSystem windows_{clock_, testing_support::ShippedPictureCache()};
    ui::ScriptedRandom random_;
    std::optional<ui::StdRandom> stdRandom_;
    sound::FakeSound sounds_;
    std::unique_ptr<frmGorvak> game_;

    std::array<int, LastItem + 1> fileCounts_{};
    int fileGorvaks_ = 0;
    unsigned gameNumber_ = 0;
    Snapshot fresh_{};
    Snapshot last_{};
    std::array<bool, RoomCount> seen_{};
    int actionsInGame_ = 0;
    std::size_t heardUpTo_ = 0;
    std::size_t messagesUpTo_ = 0;
    std::array<int, 6> riseCredit_{};
    std::array<int, 6> fallCredit_{};
    int actionsSinceFresh_ = 0;
    int endings_ = 0;
    int timedFired_ = 0;
    int modalsAnswered_ = 0;
    std::array<int, sound::SoundCount> heardInRun_{};
    int depth_ = 0;
    int pending_ = 0;
    int statusModals_ = 0;
    std::string lastAction_ = "none";
    bool failed_ = false;
    std::string failure_;
};

// The dungeon the game ships.
inline Dungeon Shipped()
{
    std::ifstream in(testing_support::AssetsFolder() / "Dungeon.gvk", std::ios::binary);
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)),
                                     std::istreambuf_iterator<char>());
    const DungeonRead read = ParseDungeon(bytes);
    if (!read.dungeon) throw std::runtime_error("the shipped dungeon does not read");
    return *read.dungeon;
}

}  // namespace playbot
