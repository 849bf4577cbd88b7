// Tests of the clock's behaviour over simulated seconds, with a view that records what it is asked.
#include "core/clock/Clock.h"

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/files/IniFile.h"
#include "core/files/tests/TempFolder.h"
#include "core/reminders/ReminderRecord.h"

using namespace core;

namespace {

class FakeView : public ClockView
{
public:
    std::vector<std::string> calls;
    std::vector<std::function<void()>> later;
    bool restartWorks = true;
    std::function<void()> duringSheet;

    void MakeFace(const std::string &bk, const std::string &num) override { Log("face " + bk + "/" + num); }
    void MoveWindow(WindowPosition p) override { Log("move " + std::to_string(p.x) + "," + std::to_string(p.y)); }
    void StartTick() override { Log("tick"); }
    void DrawDigits(const ClockDigits &digits, const std::array<bool, 6> &changed) override
    {
        std::string text = "draw ";
        for (std::size_t i = 0; i < digits.size(); ++i)
            text += changed[i] ? static_cast<char>('0' + digits[i]) : '.';
        Log(text);
    }
    void ShowWindow(bool visible) override { Log(visible ? "show" : "hide"); }
    void SetDayIcon(int day) override { Log("day " + std::to_string(day)); }
    void SetTrayTip(const std::string &) override { Log("tip"); }
    void SetMenuTicks(bool autoStart, bool sound) override
    {
        Log(std::string("ticks ") + (autoStart ? "A" : "-") + (sound ? "S" : "-"));
    }
    void OpenNote(const std::string &message) override { Log("note " + message); }
    void PlaySound() override { Log("play"); }
    void StopSound() override { Log("stop"); }
    void WatchSound(bool on) override { Log(on ? "watch on" : "watch off"); }
    void OpenSheet() override
    {
        Log("sheet");
        if (duringSheet)
            duringSheet();
    }
    bool Restart(const std::vector<std::string> &arguments) override
    {
        std::string text = "restart";
        for (const std::string &argument : arguments)
            text += " " + argument;
        Log(text);
        return restartWorks;
    }
    void Close() override { Log("close"); }
    void ShowMessage(const std::string &text) override { Log("message " + text); }
    void Later(std::function<void()> work) override { later.push_back(std::move(work)); }

    void Log(std::string call) { calls.push_back(std::move(call)); }
    // The calls since the last Take.
    std::vector<std::string> Take() { return std::exchange(calls, {}); }
};

class FakeStore : public AutoStartStore
{
public:
    mutable bool on = true;
    bool writable = true;
    mutable int renewals = 0;
    bool IsAutoRun() const override { return on; }
    bool SetAutoRun(bool wanted) const override
    {
        if (writable)
            on = wanted;
        return writable;
    }
    bool RenewAutoRun() const override { return ++renewals, true; }
    std::string Location() const override { return "/xdg/Dovetick.desktop"; }
};

using Calls = std::vector<std::string>;

class ClockTest : public ::testing::Test
{
protected:
    TempFolder folder;
    FakeView view;
    FakeStore store;
    ClockFiles files{folder.Path() / "conf" / "config.ini", folder.Path() / "conf" / "notify.dat"};
    Clock clock{view, store, files};

    static platform::Moment At(int day, int hour, int minute, int second)
    {
        return platform::FromLocal(2026, 12, day, hour, minute, second);
    }
    void Start(platform::Moment now)
    {
        clock.Create(now);
        clock.FinishCreate(now);
        view.Take();
    }
};

} // namespace

TEST_F(ClockTest, CreatesFromTheSettingsThenTicks)
{
    std::filesystem::create_directories(files.settings.parent_path());
    WriteIniString(files.settings, "skin", "background", "Blue");
    WriteIniInt(files.settings, "location", "x", -40);
    WriteIniInt(files.settings, "location", "y", 300);
    WriteIniInt(files.settings, "alert", "sound", 0);
    clock.Create(At(7, 9, 0, 0));
    EXPECT_EQ(view.Take(), (Calls{"face Blue/", "move -40,300", "tick"}));
    EXPECT_EQ(store.renewals, 1);
    clock.FinishCreate(At(7, 9, 0, 0));
    EXPECT_EQ(view.Take(), (Calls{"day 7", "ticks A-", "tip"}));
    clock.FinishCreate(At(7, 9, 0, 1));
    EXPECT_EQ(view.Take(), Calls{});
}

// Each row is one wake: the tooltip when its text may have changed (with no reminders, at midnight
// or when the clock went back), what it draws (changed digits shown, the others as dots) and the
// day icon it sets.
TEST_F(ClockTest, DrawsOnlyTheChangedDigitsAndTheDayAtMidnight)
{
    Start(At(7, 12, 0, 0));
    const struct { platform::Moment now; Calls calls; } rows[] = {
        {At(7, 23, 59, 58), {"draw 235958"}},
        {At(7, 23, 59, 58), {}},
        {At(7, 23, 59, 59), {"draw .....9"}},
        {At(8, 0, 0, 0), {"tip", "draw 000000", "day 8"}},
        {At(8, 0, 0, 1), {"draw .....1"}},
        {At(8, 0, 0, 10), {"draw ....10"}},
        {At(8, 1, 0, 11), {"draw .1...1"}},
        {At(7, 23, 0, 5), {"tip", "draw 23..05", "day 7"}},
    };
    for (const auto &row : rows) {
        clock.Tick(row.now);
        EXPECT_EQ(view.Take(), row.calls) << row.now;
    }
}

TEST_F(ClockTest, ReminderAt0705OpensItsNoteOnce)
{
    Start(At(7, 7, 4, 50));
    auto record = std::make_unique<ReminderRecord>();
    record->Set(2026, 12, 7, 7, 5, 0, 1, "wake up", ReminderRecord::KindDaily, At(7, 7, 4, 50));
    clock.Reminders().Insert(std::move(record));
    int notes = 0;
    for (platform::Moment now = At(7, 7, 4, 50); now <= At(7, 7, 5, 10); ++now) {
        clock.Tick(now);
        for (const std::string &call : view.Take()) {
            if (call.starts_with("note")) {
                EXPECT_EQ(call, "note wake up");
                EXPECT_EQ(now, At(7, 7, 5, 0));
                ++notes;
            }
        }
    }
    EXPECT_EQ(notes, 1);
}

TEST_F(ClockTest, CommandsOfTheMenuTrayAndALaterStart)
{
    Start(At(7, 9, 0, 0));
    clock.Snooze(nullptr, "wake", 5, At(7, 9, 0, 0));
    view.Take();
    const std::string pending = "--snooze=" + std::to_string(At(7, 9, 5, 0)) + ":77616b65";
    const struct { std::function<void()> act; Calls calls; } rows[] = {
        {[&] { clock.Hide(); }, {"hide"}},
        {[&] { clock.TrayClicked(); }, {"show"}},
        {[&] { EXPECT_TRUE(clock.Command("show", 0)); }, {"show"}},
        {[&] { EXPECT_FALSE(clock.Command("dance", 0)); }, {}},
        {[&] { clock.ToggleSound(); }, {"stop"}},
        {[&] { clock.MenuShowing(); }, {"ticks A-"}},
        // The sheet without a skin change: no restart.
        {[&] { clock.Configure(); }, {"sheet"}},
        // A restart that cannot start the new clock keeps this one, and wishes no more restarts.
        {[&] { view.restartWorks = false; clock.AskRestart(); clock.Configure(); },
         {"sheet", "restart " + pending}},
        {[&] { clock.Configure(); }, {"sheet"}},
        // Texts that are not snoozes are passed over.
        {[&] { EXPECT_TRUE(clock.Command("restore  1:61 x:62 2:62", 0)); }, {"tip", "show"}},
        {[&] { view.restartWorks = true; clock.AskRestart(); clock.Configure(); },
         {"sheet", "restart --snooze=1:61 --snooze=2:62 " + pending, "close"}},
        {[&] { EXPECT_FALSE(clock.Command("show", 0)); clock.Exit(); clock.Tick(At(7, 9, 1, 0)); }, {}},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        rows[i].act();
        EXPECT_EQ(view.Take(), rows[i].calls) << "row " << i;
    }
    EXPECT_EQ(ReadIniInt(files.settings, "alert", "sound", 1), 0);
}

TEST_F(ClockTest, ExitEndsWithoutRestartEvenAfterASkinChange)
{
    Start(At(7, 9, 0, 0));
    // Exit chosen while the sheet is open, after the skin changed; a second sheet is not opened.
    int sheets = 0;
    view.duringSheet = [&] {
        if (sheets++ > 0)
            return;
        clock.Configure();
        clock.AskRestart();
        clock.Exit();
    };
    clock.Configure();
    EXPECT_EQ(view.Take(), (Calls{"sheet", "close"}));
    // "settings" and "quit" of a later start wait for the event at hand to end.
    FakeView other;
    Clock second(other, store, files);
    EXPECT_TRUE(second.Command("settings", 0));
    EXPECT_TRUE(second.Command("quit", 0));
    EXPECT_EQ(other.Take(), (Calls{"show"}));
    for (auto &work : other.later)
        work();
    EXPECT_EQ(other.Take(), (Calls{"sheet", "close"}));
}

TEST_F(ClockTest, MovedWindowWrittenOnceAtRest)
{
    Start(At(7, 9, 0, 0));
    // Placement before any press is not the user's.
    EXPECT_FALSE(clock.Moved({5, 5}));
    clock.MoveRested();
    EXPECT_FALSE(std::filesystem::exists(files.settings));
    clock.PressedOnFace();
    EXPECT_TRUE(clock.Moved({10, 20}));
    EXPECT_TRUE(clock.Moved({30, 40}));
    clock.MoveRested();
    EXPECT_EQ(ReadIniInt(files.settings, "location", "x", 0), 30);
    EXPECT_EQ(ReadIniInt(files.settings, "location", "y", 0), 40);
    std::filesystem::remove(files.settings);
    clock.MoveRested();
    clock.Destroy();
    EXPECT_FALSE(std::filesystem::exists(files.settings));
}

// Each row toggles auto start once with the store writable or not: the message, the setting and
// the state the clock then shows.
TEST_F(ClockTest, AutoStartToggledThroughTheStore)
{
    Start(At(7, 9, 0, 0));
    const struct { bool writable; Calls calls; long setting; bool on; } rows[] = {
        {true, {}, 0, false},
        {false, {"message 无法写入 /xdg/Dovetick.desktop，时钟不会在登录时自动启动"}, 1, false},
        {true, {}, 1, true},
        {false, {"message 无法删除 /xdg/Dovetick.desktop，时钟仍会在登录时自动启动"}, 0, true},
    };
    for (const auto &row : rows) {
        store.writable = row.writable;
        clock.ToggleAutoStart();
        EXPECT_EQ(view.Take(), row.calls);
        EXPECT_EQ(ReadIniInt(files.settings, "autorun", "enable", -1), row.setting);
        EXPECT_EQ(clock.AutoRun(), row.on);
    }
}

// Each row is one event of the notes: the sound plays once for all of them, repeats while one
// jiggles, stops with the last, and a snooze comes back as a note at its moment.
TEST_F(ClockTest, NotesSoundTogetherAndSnoozesComeBack)
{
    Start(At(7, 9, 0, 0));
    int a = 0, b = 0, c = 0;
    const struct { std::function<void()> act; Calls calls; } rows[] = {
        {[&] { clock.NoteOpened(&a, 1000); }, {"watch on", "play"}},
        {[&] { clock.NoteOpened(&b, 2000); }, {}},
        {[&] { clock.SoundCheck(7499); }, {}},
        {[&] { clock.SoundCheck(7500); }, {"play"}},
        {[&] { clock.NoteQuieted(&a); }, {}},
        {[&] { clock.Snooze(&b, "nap", 5, At(7, 9, 0, 10)); }, {"watch off", "stop", "tip"}},
        {[&] { clock.Tick(At(7, 9, 5, 9)); }, {"draw .9.5.9"}},
        {[&] { clock.Tick(At(7, 9, 5, 10)); }, {"note nap", "tip", "draw ....10"}},
        {[&] { clock.Tick(At(7, 9, 5, 11)); }, {"draw .....1"}},
        // Switched off, the notes still jiggle but make no sound; the two minutes still count.
        {[&] { clock.ToggleSound(); clock.NoteOpened(&c, 10000); }, {"stop", "watch on"}},
        {[&] { clock.SoundCheck(129999); }, {}},
        {[&] { clock.SoundCheck(130000); }, {"watch off", "stop"}},
        {[&] { clock.NoteOpened(&a, 140000); clock.Exit(); }, {"watch on", "watch off", "stop", "close"}},
        {[&] { clock.NoteOpened(&b, 150000); }, {}},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        rows[i].act();
        EXPECT_EQ(view.Take(), rows[i].calls) << "row " << i;
    }
    EXPECT_TRUE(clock.Snoozes().Items().empty());
}
